#pragma once
// Why a check could not be made, or why a cycle counts as continuous duty; the texts are
// verifica/testi's, as the views and the batch program word them.

namespace verifica {

enum class Motivo {
    Nessuno,
    // nothing can be computed
    JtotNonPositivo, // the cycle's total inertia is not above 0
    FuoriScala,      // a figure overflows
    TempiAspo,       // the reel's tacc or tdec is not above 0
    JttNonPositivo,  // the reel's inertia is not above 0 at some diameter
    // the cycle is not valid: its RMS torque is the peak, as for continuous duty
    CicloNonIndicato, // t0 or tf not above 0
    RampeNonPositive, // Tac or Tdec not above 0
    MossaCorta,       // t0 shorter than Tac + Tdec
    CicloCorto,       // tf shorter than 2 t0
};

} // namespace verifica
