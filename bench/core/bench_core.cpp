// Micro-benchmarks of the calculation core. Every reading, writing and sizing runs beside its
// floor, "<name>/floor": the same conversions done with bare std::from_chars / std::to_chars on
// the same texts and values, which the core itself is built on and so cannot beat. After the
// runs a summary gives each ratio to its floor and checks the goals: a sizing costs at most 1.5
// times its floor, and reading a 1 MiB digit text takes under 5 ms.
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
constexpr double kMaxHugeReadMs = 5.0;
constexpr std::string_view kFloorSuffix = "/floor";

// The text from_chars takes for a field text: a full stop for the decimal comma.
std::string withPoint(std::string_view text)
{
    std::string out(text);
    std::replace(out.begin(), out.end(), varelux::kDecimalSeparator, '.');
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
    benchmark::DoNotOptimize(res.ptr);
    benchmark::DoNotOptimize(buf);
    benchmark::ClobberMemory();
}

// The inputs pass through DoNotOptimize on every iteration so that nothing is computed once
// and hoisted out of the loop.
void registerRead(const std::string &name, std::string text,
                  benchmark::TimeUnit unit = benchmark::kNanosecond)
{
    const std::string point = withPoint(text);
    benchmark::RegisterBenchmark(name.c_str(), [text](benchmark::State &state) {
        for (auto _ : state) {
            std::string_view in = text;
            benchmark::DoNotOptimize(in);
            auto out = varelux::readNumber(in);
            benchmark::DoNotOptimize(out);
        }
        state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    })->Unit(unit);
    benchmark::RegisterBenchmark(
        (name + std::string(kFloorSuffix)).c_str(),
        [point](benchmark::State &state) {
            for (auto _ : state) {
                std::string_view in = point;
                benchmark::DoNotOptimize(in);
                double out = fromChars(in);
                benchmark::DoNotOptimize(out);
            }
            state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(point.size()));
        })
        ->Unit(unit);
}

void registerWrite(const std::string &name, double value)
{
    benchmark::RegisterBenchmark(name.c_str(), [value](benchmark::State &state) {
        for (auto _ : state) {
            double in = value;
            benchmark::DoNotOptimize(in);
            std::string out = varelux::writeNumber(in);
            benchmark::DoNotOptimize(out);
            benchmark::ClobberMemory();
        }
    });
    benchmark::RegisterBenchmark((name + std::string(kFloorSuffix)).c_str(),
                                 [value](benchmark::State &state) {
                                     for (auto _ : state) {
                                         double in = value;
                                         benchmark::DoNotOptimize(in);
                                         toChars(in);
                                     }
                                 });
}

// A sizing and its floor: reading each field with from_chars and writing the resistance and
// the power it yields with to_chars.
template <typename Fn, typename... Fields>
void registerSizing(const std::string &name, Fn sizing, Fields... fields)
{
    const auto sized = sizing(fields...);
    const double resistance = sized->record.resistance;
    const double power = sized->record.power;
    benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State &state) {
        for (auto _ : state) {
            std::string_view in[] = {fields...};
            benchmark::DoNotOptimize(in);
            auto out = std::apply(sizing, std::to_array(in));
            benchmark::DoNotOptimize(out);
            benchmark::ClobberMemory();
        }
    });
    const std::array points = {withPoint(fields)...};
    benchmark::RegisterBenchmark((name + std::string(kFloorSuffix)).c_str(),
                                 [=](benchmark::State &state) {
                                     for (auto _ : state) {
                                         for (const std::string &point : points) {
                                             std::string_view in = point;
                                             benchmark::DoNotOptimize(in);
                                             double value = fromChars(in);
                                             benchmark::DoNotOptimize(value);
                                         }
                                         double r = resistance;
                                         double p = power;
                                         benchmark::DoNotOptimize(r);
                                         benchmark::DoNotOptimize(p);
                                         toChars(r);
                                         toChars(p);
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
            // With repetitions the median stands for the benchmark.
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!run.error_occurred && (single || run.aggregate_name == "median"))
                m_ns[run.run_name.function_name] = run.GetAdjustedCPUTime() /
                                                   benchmark::GetTimeUnitMultiplier(run.time_unit) *
                                                   1e9;
        }
    }

    void Finalize() override
    {
        int missed = 0;
        std::printf("\n%-36s %14s %14s %7s\n", "benchmark", "ns", "floor ns", "ratio");
        for (const auto &[name, ns] : m_ns) {
            if (name.ends_with(kFloorSuffix) || !m_ns.contains(name + std::string(kFloorSuffix)))
                continue;
            const double floor = m_ns.at(name + std::string(kFloorSuffix));
            const double ratio = ns / floor;
            std::string goal;
            if (name.starts_with("size")) {
                goal = ratio <= kMaxSizingRatio ? "  ratio <= 1.5: met" : "  ratio <= 1.5: MISSED";
                missed += ratio > kMaxSizingRatio;
            } else if (name.find("1MiB") != std::string::npos) {
                const bool met = ns < kMaxHugeReadMs * 1e6;
                goal = met ? "  under 5 ms: met" : "  under 5 ms: MISSED";
                missed += !met;
            }
            std::printf("%-36s %14.1f %14.1f %7.2f%s\n", name.c_str(), ns, floor, ratio,
                        goal.c_str());
        }
        std::printf("%s\n", missed ? "Some goals were missed." : "All goals met.");
    }

private:
    std::map<std::string, double> m_ns;
};

void registerAll()
{
    for (const char *text : {"12", "2,1", "193,333333333333", "0,02"})
        registerRead(std::string("readNumber/") + text, text);

    for (double value : {500.0, 193.33333333333334, 43.5, 89.99999999999999, -50.0, 1.5e-5, 1e15}) {
        char name[48];
        std::snprintf(name, sizeof name, "writeNumber/%.17g", value);
        registerWrite(name, value);
    }

    registerSizing("sizeSingle", varelux::sizeSingle, "5", "2,1", "15");
    registerSizing("sizeSeries", varelux::sizeSeries, "12", "2", "3", "20");
    registerSizing("sizeParallel", varelux::sizeParallel, "12", "3,2", "3", "20");

    std::string digits(std::size_t{1} << 20, '7');
    registerRead("readNumber/1MiB_digits", digits, benchmark::kMicrosecond);
    digits[digits.size() / 2] = varelux::kDecimalSeparator;
    registerRead("readNumber/1MiB_digits_comma", digits, benchmark::kMicrosecond);
}

} // namespace

int main(int argc, char **argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
