#include <cstdio>

int main(int argc, char** argv) {
    (void)argv;
    if (argc < 2) {
        std::fputs("usage: xg-orvo-tool ports | encode ... | send ...\n", stderr);
        return 2;
    }
    return 0;
}
