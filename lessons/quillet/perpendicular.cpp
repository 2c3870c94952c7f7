#include "lessons/quillet/quillet.h"
void ShowPerpendicularAtRayPoint(Quillet&) {}
