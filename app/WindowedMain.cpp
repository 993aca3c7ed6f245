#include "app/WindowedMain.h"

// Placeholder until the window lands.
int RunWindowed(int, char**) {
    return 0;
}
