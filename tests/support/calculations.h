#pragma once

#include "program/calculation.h"

// A calculation that has come as far as its figures say.
inline kandelo::program::Calculation calculationOf(double kwh, double kvarh, double hours, double pf, double target,
    kandelo::program::InputMode mode = kandelo::program::InputMode::None)
{
    kandelo::program::Calculation c;
    c.strInputMode = mode;
    c.intKwh = kwh;
    c.intKvarh = kvarh;
    c.intHours = hours;
    c.intPf = pf;
    c.intTargetPf = target;
    return c;
}
