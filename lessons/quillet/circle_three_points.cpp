#include "lessons/quillet/quillet.h"
void ShowCircleThroughThreePointsP176(Quillet&) {}
