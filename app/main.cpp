#include <cstdio>

int main() {
    std::puts("Zuvaduro");
    return 0;
}
