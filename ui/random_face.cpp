#include "random_face.h"

#include <random>

namespace {

std::mt19937_64& Generateur() {
    static std::mt19937_64 generateur{0};
    return generateur;
}

} // namespace

void InitialiseGenerateur(std::uint64_t graine) {
    Generateur().seed(graine);
}

int TireFace() {
    return std::uniform_int_distribution<int>(0, 5)(Generateur()) + 1;
}

std::uint64_t TireGraine() {
    return Generateur()();
}
