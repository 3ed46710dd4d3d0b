#include "window_fixture.h"

int main(int argc, char** argv) {
    return LanceTestsFenetre(argc, argv);
}
