#pragma once

#include "Figures.h"

#include <QString>

namespace bench {

// One line per figure on standard output, e.g.
// "N=100000 reset atc1_all: 812.3 ms vs bare loop 640.1 ms, ratio 1.27 (target <= 1.50) ok".
void printLine(const QString &line);
void printTimed(int customers, const TimedFigure &figure);
void printMemory(int customers, const MemoryFigure &figure);
void printInfo(int customers, const QString &what, double ms);

} // namespace bench
