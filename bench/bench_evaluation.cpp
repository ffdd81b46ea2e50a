// SPDX-License-Identifier: GPL-3.0-or-later
// One evaluation through the real window (a points value set, Text3
// written) in both modes, each preset through the window, and the core
// evaluation on the in-memory form.

#include "support/memoryform.h"

#include "eval/liveevaluation.h"
#include "key/presets.h"
#include "ui/formskalix.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// A points value set through the window runs Text2_Change and writes Text3.
// Two alternating values, so every step is a real change with a new result.
void evaluateThroughWindow(benchmark::State &state, bool mssMode)
{
    FormSkalix form;
    if (mssMode)
        form.Command7_Click();
    auto *reached = form.findChild<QLineEdit *>(QStringLiteral("Text2"));
    const QString values[] = {QStringLiteral("60"), QStringLiteral("97")};
    int i = 0;
    for (auto _ : state) {
        reached->setText(values[i ^= 1]);
        benchmark::DoNotOptimize(form.resultText());
    }
}

void BM_WindowEvaluationGradeMode(benchmark::State &state) { evaluateThroughWindow(state, false); }
void BM_WindowEvaluationMssMode(benchmark::State &state) { evaluateThroughWindow(state, true); }

void coreEvaluation(benchmark::State &state, bool mssMode)
{
    MemoryForm form;
    mssMode ? presets::mssPointsKey(form) : presets::standardKey(form);
    const std::string values[] = {"60", "97"};
    int i = 0;
    for (auto _ : state) {
        form.achieved = values[i ^= 1];
        eval::liveEvaluation(form);
        benchmark::DoNotOptimize(form.result);
    }
}

void BM_CoreEvaluationGradeMode(benchmark::State &state) { coreEvaluation(state, false); }
void BM_CoreEvaluationMssMode(benchmark::State &state) { coreEvaluation(state, true); }

void preset(benchmark::State &state, void (FormSkalix::*command)())
{
    FormSkalix form;
    for (auto _ : state)
        (form.*command)();
}

void BM_PresetStandard(benchmark::State &state) { preset(state, &FormSkalix::Command2_Click); }
void BM_PresetLinear(benchmark::State &state) { preset(state, &FormSkalix::Command3_Click); }
void BM_PresetIhk(benchmark::State &state) { preset(state, &FormSkalix::Command9_Click); }
void BM_PresetMssPoints(benchmark::State &state) { preset(state, &FormSkalix::Command7_Click); }
void BM_ClearIntermediateGrades(benchmark::State &state)
{
    preset(state, &FormSkalix::Command4_Click);
}
void BM_ClearAll(benchmark::State &state) { preset(state, &FormSkalix::Command6_Click); }

} // namespace

BENCHMARK(BM_WindowEvaluationGradeMode);
BENCHMARK(BM_WindowEvaluationMssMode);
BENCHMARK(BM_CoreEvaluationGradeMode);
BENCHMARK(BM_CoreEvaluationMssMode);
BENCHMARK(BM_PresetStandard);
BENCHMARK(BM_PresetLinear);
BENCHMARK(BM_PresetIhk);
BENCHMARK(BM_PresetMssPoints);
BENCHMARK(BM_ClearIntermediateGrades);
BENCHMARK(BM_ClearAll);

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
