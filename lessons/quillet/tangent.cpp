#include "lessons/quillet/quillet.h"
void ShowCircleTangent(Quillet&) {}
