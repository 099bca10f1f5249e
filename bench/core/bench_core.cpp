// Micro-benchmarks of the calculation core. Every reading, writing and sizing runs beside its
// floor, "<name>/floor": the same conversions done with bare std::from_chars / std::to_chars on
// the same texts and values. After the runs a summary gives each ratio to its floor and checks
// the goals: a sizing costs at most 1.5 times its floor, and reading a 1 MiB digit text takes
// under 5 ms. With repetitions the summary takes the fastest repetition of each benchmark, the
// one least disturbed by other work on the machine.
#include "core/number_text.h"
#include "core/sizing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

constexpr double kMaxSizingRatio = 1.5;
constexpr double kMaxHugeReadNs = 5e6;
const std::string kFloor = "/floor";

// Hides a benchmark input from the optimiser, so nothing is computed once and hoisted out of
// the loop. Only the pointer goes through DoNotOptimize: given a double lvalue, GCC 12 with
// this library's DoNotOptimize drops the stored value (see google/benchmark#903).
template <typename T> const T &opaque(const T &value)
{
    const T *p = &value;
    benchmark::DoNotOptimize(p);
    return *p;
}

// Keeps a result alive; a const reference takes the input-only form of DoNotOptimize.
template <typename T> void keep(const T &value)
{
    benchmark::DoNotOptimize(value);
}

// The text from_chars takes for a field text: a full stop for the decimal comma.
std::string withPoint(std::string_view text)
{
    std::string out(text);
    std::replace(out.begin(), out.end(), varelux::kDecimalComma, '.');
    return out;
}

double fromChars(std::string_view text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return value;
}

// What writeNumber starts from: 15 significant digits in exponent form.
void toChars(double value)
{
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                   varelux::kSignificantDigits - 1);
    keep(res.ptr);
    benchmark::ClobberMemory();
}

std::vector<std::string> g_order; // benchmarks with a floor, in the order they run

double fastest(const std::vector<double> &times)
{
    return *std::min_element(times.begin(), times.end());
}

template <typename Core, typename Floor>
void registerPair(const std::string &name, Core core, Floor floor,
                  benchmark::TimeUnit unit = benchmark::kNanosecond)
{
    g_order.push_back(name);
    benchmark::RegisterBenchmark(name.c_str(), core)->Unit(unit)->ComputeStatistics("min", fastest);
    benchmark::RegisterBenchmark((name + kFloor).c_str(), floor)
        ->Unit(unit)
        ->ComputeStatistics("min", fastest);
}

void registerRead(const std::string &name, const std::string &text,
                  benchmark::TimeUnit unit = benchmark::kNanosecond)
{
    registerPair(
        name,
        [text](benchmark::State &state) {
            for (auto _ : state)
                keep(varelux::readNumber(opaque(text), varelux::kDecimalComma));
            state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
        },
        [point = withPoint(text)](benchmark::State &state) {
            for (auto _ : state)
                keep(fromChars(opaque(point)));
            state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(point.size()));
        },
        unit);
}

void registerWrite(double value)
{
    char name[48] = "writeNumber/";
    *std::to_chars(name + 12, name + sizeof name - 1, value).ptr = '\0';
    registerPair(
        name,
        [value](benchmark::State &state) {
            for (auto _ : state)
                keep(varelux::writeNumber(opaque(value), varelux::kDecimalComma));
        },
        [value](benchmark::State &state) {
            for (auto _ : state)
                toChars(opaque(value));
        });
}

// A sizing with the writing of its two results, as a "Calcola" click does both, and its floor:
// reading each field with from_chars and writing the resistance and the power with to_chars.
template <typename Sizing, typename... Fields>
void registerSizing(const std::string &name, Sizing sizing, Fields... fields)
{
    const auto sized = sizing(fields...);
    registerPair(
        name,
        [=](benchmark::State &state) {
            const std::array<std::string_view, sizeof...(Fields)> texts = {fields...};
            for (auto _ : state) {
                const auto result = std::apply(sizing, opaque(texts));
                keep(varelux::writeNumber(result->resistance, varelux::kDecimalComma));
                keep(varelux::writeNumber(result->power, varelux::kDecimalComma));
            }
        },
        [points = std::array{withPoint(fields)...}, resistance = sized->resistance,
         power = sized->power](benchmark::State &state) {
            for (auto _ : state) {
                for (const std::string &point : opaque(points))
                    keep(fromChars(point));
                toChars(opaque(resistance));
                toChars(opaque(power));
            }
        });
}

// Prints the usual console table, then each benchmark's ratio to its floor and the goals.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!run.error_occurred && (single || run.aggregate_name == "min"))
                m_ns[run.run_name.function_name] = run.GetAdjustedCPUTime() /
                                                   benchmark::GetTimeUnitMultiplier(run.time_unit) *
                                                   1e9;
        }
    }

    void Finalize() override
    {
        int missed = 0;
        std::printf("\n%-36s %12s %12s %7s\n", "benchmark (CPU time)", "ns", "floor ns", "ratio");
        for (const std::string &name : g_order) {
            if (!m_ns.contains(name) || !m_ns.contains(name + kFloor))
                continue;
            const double ns = m_ns.at(name);
            const double ratio = ns / m_ns.at(name + kFloor);
            const char *goal = "";
            if (name.starts_with("size")) {
                goal = ratio <= kMaxSizingRatio ? "  goal <= 1.5x: met" : "  goal <= 1.5x: MISSED";
                missed += ratio > kMaxSizingRatio;
            } else if (name.find("1MiB") != std::string::npos) {
                goal = ns < kMaxHugeReadNs ? "  goal < 5 ms: met" : "  goal < 5 ms: MISSED";
                missed += ns >= kMaxHugeReadNs;
            }
            std::printf("%-36s %12.1f %12.1f %7.2f%s\n", name.c_str(), ns, m_ns.at(name + kFloor),
                        ratio, goal);
        }
        std::printf("%s\n", missed ? "Some goals were missed." : "All goals checked were met.");
    }

private:
    std::map<std::string, double> m_ns;
};

void registerAll()
{
    for (const char *text : {"12", "2,1", "193,333333333333", "0,02"})
        registerRead(std::string("readNumber/") + text, text);

    for (double value : {500.0, 193.33333333333334, 43.5, 89.99999999999999, -50.0, 1.5e-5, 1e15})
        registerWrite(value);

    // The sizings read their fields with the comma, as the Italian window does.
    const auto withComma = [](auto size) {
        return [size](auto... fields) { return size(fields..., varelux::kDecimalComma); };
    };
    registerSizing("sizeSingle", withComma(varelux::sizeSingle), "5", "2,1", "15");
    registerSizing("sizeSeries", withComma(varelux::sizeSeries), "12", "2", "3", "20");
    registerSizing("sizeParallel", withComma(varelux::sizeParallel), "12", "3,2", "3", "20");

    std::string digits(std::size_t{1} << 20, '7');
    registerRead("readNumber/1MiB_digits", digits, benchmark::kMicrosecond);
    digits[digits.size() / 2] = varelux::kDecimalComma;
    registerRead("readNumber/1MiB_digits_comma", digits, benchmark::kMicrosecond);
}

} // namespace

int main(int argc, char **argv)
{
    registerAll();
    // Unless told otherwise, 5 repetitions of each benchmark, interleaved in random order so
    // that a burst of other work does not fall on one benchmark alone, reported as aggregates.
    // The flags given come after these and so take precedence.
    char repetitions[] = "--benchmark_repetitions=5";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    std::vector<char *> args(argv, argv + argc);
    args.insert(args.begin() + 1, {repetitions, interleaving, aggregatesOnly});
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
