#include "lessons/quillet/quillet.h"
void ShowEquidistantPointExample1(Quillet&) {}
