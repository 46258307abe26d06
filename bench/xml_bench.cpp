// Reading time of the XML reader against input size: it should grow linearly.
#include "xml/xml_tag.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

namespace {

// A program-file-shaped document with n intervals.
std::string ManyElements(std::int64_t n) {
    std::string text = "<Quorvel_9259 version=\"100\" device=\"TN3A\">\n\t<TarnelFeeder3A>\n";
    for (std::int64_t i = 0; i < n; ++i) {
        text += "\t\t<FeedInterval days=\"254\" start=\"06:00:00\" stop=\"18:00:00\" "
                "on=\"00:00:30\" off=\"00:15:00\"/>\n";
    }
    text += "\t</TarnelFeeder3A>\n</Quorvel_9259>\n";
    return text;
}

std::string LongValue(std::int64_t n) {
    return "<a v=\"" + std::string(static_cast<std::size_t>(n), 'x') + "\"/>";
}

std::string LongText(std::int64_t n) {
    return "<a>" + std::string(static_cast<std::size_t>(n), ' ') + "</a>";
}

std::string LongNames(std::int64_t n) {
    const std::string name(static_cast<std::size_t>(n), 'n');
    return "<" + name + " " + name + "=\"1\"></" + name + ">";
}

// Far deeper than the reader follows, with a long tail after the bound.
std::string DeepNesting(std::int64_t n) {
    std::string text;
    for (std::int64_t i = 0; i < n; ++i) text += "<n>";
    for (std::int64_t i = 0; i < n; ++i) text += "</n>";
    return text;
}

void Read(benchmark::State& state, std::string (*make)(std::int64_t)) {
    const std::string text = make(state.range(0));
    for (auto _ : state) {
        std::istringstream in(text);
        XML_Tag tag;
        in >> tag;
        benchmark::DoNotOptimize(tag);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}

void BM_XmlReadManyElements(benchmark::State& state) { Read(state, ManyElements); }
void BM_XmlReadLongValue(benchmark::State& state) { Read(state, LongValue); }
void BM_XmlReadLongText(benchmark::State& state) { Read(state, LongText); }
void BM_XmlReadLongNames(benchmark::State& state) { Read(state, LongNames); }
void BM_XmlReadDeepNesting(benchmark::State& state) { Read(state, DeepNesting); }

void BM_XmlWriteManyElements(benchmark::State& state) {
    std::istringstream in(ManyElements(state.range(0)));
    XML_Tag tag;
    in >> tag;
    for (auto _ : state) {
        std::ostringstream out;
        out << tag;
        benchmark::DoNotOptimize(out);
    }
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_XmlReadManyElements)->RangeMultiplier(8)->Range(64, 1 << 15)->Complexity(benchmark::oN);
BENCHMARK(BM_XmlReadLongValue)->RangeMultiplier(8)->Range(1 << 10, 1 << 22)->Complexity(benchmark::oN);
BENCHMARK(BM_XmlReadLongText)->RangeMultiplier(8)->Range(1 << 10, 1 << 22)->Complexity(benchmark::oN);
BENCHMARK(BM_XmlReadLongNames)->RangeMultiplier(8)->Range(1 << 10, 1 << 22)->Complexity(benchmark::oN);
BENCHMARK(BM_XmlReadDeepNesting)->RangeMultiplier(8)->Range(1 << 9, 1 << 18);
BENCHMARK(BM_XmlWriteManyElements)->RangeMultiplier(8)->Range(64, 1 << 15)->Complexity(benchmark::oN);
