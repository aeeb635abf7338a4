#include "calc/lens_solver.h"
#include "runtime/conversions.h"
#include "runtime/rounding.h"

#include <benchmark/benchmark.h>

namespace {

using orbel::LensFields;

// One Calculate from the user's two typed values, the way the window runs it:
// a fresh copy of the texts each time, so every step does its real work.
void calculateIn(benchmark::State& state, orbel::Units units, const char* dist, const char* fmm) {
    LensFields typed;
    typed.distance = dist;
    typed.focalLength = fmm;
    typed.units = units;
    for (auto _ : state) {
        LensFields fields = typed;
        benchmark::DoNotOptimize(orbel::calculate(fields));
        benchmark::DoNotOptimize(fields.width.data());
    }
}

void BM_CalculateMeters(benchmark::State& state) {
    calculateIn(state, orbel::Units::Meters, "10", "35");
}
void BM_CalculateFeet(benchmark::State& state) {
    calculateIn(state, orbel::Units::Feet, "30", "35");
}
void BM_CalculateInches(benchmark::State& state) {
    calculateIn(state, orbel::Units::Inches, "120", "50");
}

void BM_TextToNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(orbel::textToNumber("27.776"));
}

void BM_NumberToText(benchmark::State& state) {
    double value = 43.28635593016068;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(orbel::numberToText(value));
    }
}

void BM_RoundToPlaces(benchmark::State& state) {
    double value = 7.9360000000000008;
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(orbel::roundToPlaces(value, 3));
    }
}

BENCHMARK(BM_CalculateMeters);
BENCHMARK(BM_CalculateFeet);
BENCHMARK(BM_CalculateInches);
BENCHMARK(BM_TextToNumber);
BENCHMARK(BM_NumberToText);
BENCHMARK(BM_RoundToPlaces);

} // namespace
