// Two measurements of the processor the benchmarks run on, taken in the same
// run as the figures they explain: its clock (from a chain of dependent adds,
// one per cycle) and how many independent loads it retires per cycle (the
// load-port bound of a pixel that makes n dependent table look-ups).
#pragma once

// Cycles per second, estimated from a timed chain of dependent adds.
double EstimateClockHz();

// Independent L1 loads per cycle, measured against the add chain (so no
// clock estimate is needed).
double MeasureLoadsPerCycle();
