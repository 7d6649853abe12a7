#include <cstdio>

int main() {
    std::puts("norvik1d-lote: em construção");
    return 0;
}
