// Calculate through the real window, as the user drives it: two texts typed,
// the button clicked, the texts read back, the field of view included.
#include "calc/lens_solver.h"
#include "ui/boxes.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

using orbel::LensFields;

class SilentBoxes : public orbel::Boxes {
public:
    std::string inputBox(QWidget*, std::string_view, std::string_view, std::string_view) override {
        return {};
    }
    void messageBox(QWidget*, std::string_view, std::string_view) override {}
};

void BM_CalculateThroughTheWindow(benchmark::State& state) {
    SilentBoxes boxes;
    orbel::MainWindow window(boxes, [] { return true; });
    window.show();
    auto* wdth = window.findChild<QLineEdit*>(QStringLiteral("Wdth"));
    auto* dist = window.findChild<QLineEdit*>(QStringLiteral("Dist"));
    auto* fmm = window.findChild<QLineEdit*>(QStringLiteral("Fmm"));
    auto* fov = window.findChild<QLineEdit*>(QStringLiteral("FOV"));
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state) {
        wdth->clear();
        dist->setText(QStringLiteral("10"));
        fmm->setText(QStringLiteral("35"));
        calculate->click();
        benchmark::DoNotOptimize(wdth->text());
        benchmark::DoNotOptimize(fov->text());
    }
    // The window must show what the core computes from the same texts.
    LensFields typed;
    typed.distance = dist->text().toStdString();
    typed.focalLength = fmm->text().toStdString();
    orbel::calculate(typed);
    if (wdth->text().toStdString() != typed.width ||
        fov->text().toStdString() != typed.fieldOfView || typed.fieldOfView.empty())
        state.SkipWithError("Calculate through the window gave other texts than the core");
}
BENCHMARK(BM_CalculateThroughTheWindow);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
