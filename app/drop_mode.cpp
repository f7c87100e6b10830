#include "app/drop_mode.h"

void RunDropWindow() {}
