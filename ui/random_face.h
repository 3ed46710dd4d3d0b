// The program's one pseudo-random generator, seeded once at start-up; the rolling die
// draws its faces from it.
#pragma once

#include <cstdint>

void InitialiseGenerateur(std::uint64_t graine);
// A uniform draw of 0..5 plus one.
int TireFace();
// A seed for the computer player's own choices, drawn from the same generator.
std::uint64_t TireGraine();
