#pragma once
// The tank most engine tests start from: orientation and the three
// dimensions, every other field at its default.

#include "calc/Tank.h"

inline tankora::TankState Tank(int orientation, double length, double diameter, double head)
{
    tankora::TankState s;
    s.Orientation = orientation;
    s.TankLength = length;
    s.TankDiameter = diameter;
    s.HeadDepth = head;
    return s;
}
