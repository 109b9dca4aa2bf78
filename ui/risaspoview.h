#pragma once
// The reel results window: three summary lines and the five chart buttons.

#include "formwindow.h"

#include <array>

class RisAspoModel;
class QLabel;

class RisAspoView : public FormWindow {
    Q_OBJECT
public:
    RisAspoView(Programma &programma, RisAspoModel &model);

protected:
    void refresh() override;

private:
    QPointer<RisAspoModel> m_model;
    std::array<QLabel *, 3> m_label1{};
};
