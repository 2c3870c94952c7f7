#include "lessons/quillet/quillet.h"
void ShowP176Problems1And2(Quillet&) {}
void ShowP176Problem3(Quillet&) {}
