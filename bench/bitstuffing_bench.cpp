#include "bitstuffing.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

namespace {

std::string random_bits(std::size_t count)
{
    std::mt19937 engine(2026);
    std::string bits;
    bits.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        bits += (engine() & 1U) != 0 ? '1' : '0';
    }
    return bits;
}

void stuff(benchmark::State& state, const std::string& bits)
{
    std::string stuffed;
    for (auto _ : state) {
        bit_stuffing(stuffed, bits);
        benchmark::DoNotOptimize(stuffed.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bits.size()));
}

void BM_BitStuffingRandom(benchmark::State& state)
{
    stuff(state, random_bits(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_BitStuffingRandom)->Arg(25)->Arg(4 << 10)->Arg(1 << 20);

void BM_BitStuffingAllOnes(benchmark::State& state)
{
    stuff(state, std::string(static_cast<std::size_t>(state.range(0)), '1'));
}
BENCHMARK(BM_BitStuffingAllOnes)->Arg(1 << 20);

void BM_GenerateRandomBits(benchmark::State& state)
{
    std::srand(1);
    std::string bits;
    for (auto _ : state) {
        generate_random_bits(bits, 25);
        benchmark::DoNotOptimize(bits.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 25);
}
BENCHMARK(BM_GenerateRandomBits);

} // namespace

BENCHMARK_MAIN();
