#pragma once
// The constants of the program's formulas, each named with what it converts. Their values are
// the design's and every formula uses them where it always wrote the bare number, in the same
// order of operations, so that the results stay the same to the last bit.

namespace costanti {

// kW from a torque in kgm and a speed in rpm: P = C x n / 975 (the technical system's 9.81 N
// per kg and 2 pi / 60, rounded as the trade tables round them).
inline constexpr double kgmRpmPerKw = 975;

// The torque in kgm that brings an inertia J in kgm^2 to n rpm in t s is n x J / (t x K):
// the drum hoist and the reel divide by 1504, the conveyor and the screws by 1054. Both
// stand, each in its calculator.
inline constexpr double avviamentoTamburo = 1504;
inline constexpr double avviamentoTrasmissione = 1054;

// pi to ten digits, as the conveyor's roller and the reel take it.
inline constexpr double pi = 3.141592654;

// 2000 x pi with the same ten-digit pi: a screw pitch in mm over it is the travel in m per
// radian of the screw.
inline constexpr double dueMilaPi = 6283.185308;

// Metres of rope per drum turn for each mm of drum diameter (pi / 1000 to three digits).
inline constexpr double metriPerGiroPerMm = 0.00314;

// pi as the cylinder utility has always taken it.
inline constexpr double piCilindro = 3.14159265358979;

} // namespace costanti
