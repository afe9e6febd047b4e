// The window's handlers against the bare cost of the widget writes they
// make, measured in the same run: each pair reports its ratio.
#include "core/ErrorCodes.h"
#include "ui/Application.h"
#include "ui/MaskEdit.h"
#include "form/MaskEditModel.h"
#include "ui/Unit1.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QLineEdit>

#include <array>
#include <memory>

namespace {

const char* const kTexts[2] = {"80 80 80 80 80 80", "FF FF FF FF FF FF"};

// The same 48 boxes and a field, with nothing connected.
struct BareWidgets {
    QWidget window;
    std::array<QCheckBox*, 48> boxes{};
    QLineEdit* field = new QLineEdit(&window);

    BareWidgets()
    {
        for (auto& box : boxes)
            box = new QCheckBox(QStringLiteral("(80) Всегда установлен"), &window);
        window.show();
    }
};

void BM_SettleFloor(benchmark::State& state)
{
    BareWidgets bare;
    int round = 0;
    for (auto _ : state) {
        const bool on = ++round % 2;
        for (int i = 0; i < 48; ++i)
            bare.boxes[static_cast<std::size_t>(i)]->setChecked(on || i % 8 == 7);
        bare.field->setText(QString::fromLatin1(kTexts[round % 2]));
    }
}

void BM_SettleStatusText(benchmark::State& state)
{
    TForm1 form;
    form.show();
    int round = 0;
    for (auto _ : state)
        form.MaskEdit1->SetText(QString::fromLatin1(kTexts[++round % 2]));
    if (form.LastStatusText() != kTexts[round % 2])
        state.SkipWithError("the text did not settle");
}

void BM_ClickFloor(benchmark::State& state)
{
    BareWidgets bare;
    int round = 0;
    for (auto _ : state) {
        bare.boxes[1]->setChecked(++round % 2);
        bare.field->setText(QString::fromLatin1(round % 2 ? "82 80 80 80 80 80" : kTexts[0]));
    }
}

void BM_CheckBoxClick(benchmark::State& state)
{
    TForm1 form;
    form.show();
    QCheckBox* box = form.CheckBox(2);
    for (auto _ : state)
        box->setChecked(!box->isChecked());
}

void BM_DecodeEveryErrorCode(benchmark::State& state)
{
    std::vector<std::string> codes;
    for (int code = 0; code < 0x10000; ++code) {
        char text[5];
        std::snprintf(text, sizeof text, "%04X", code);
        codes.emplace_back(text);
    }
    std::string message;
    for (auto _ : state) {
        for (const std::string& code : codes)
            benchmark::DoNotOptimize(DecodeErrorCode(code, message));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(codes.size()));
}

void BM_TypeCharInModel(benchmark::State& state)
{
    MaskEditModel model(U"AA\\ AA\\ AA\\ AA\\ AA\\ AA;1;");
    model.SetText(U"80 80 80 80 80 80");
    int round = 0;
    for (auto _ : state) {
        if (model.Caret() >= model.Length())
            model.PlaceCaret(0);
        model.TypeChar(++round % 2 ? U'8' : U'C');
    }
}

void BM_TypeCharInWindow(benchmark::State& state)
{
    TForm1 form;
    form.show();
    int round = 0;
    for (auto _ : state) {
        TMaskEdit* field = form.MaskEdit1;
        if (field->Model().Caret() >= field->Model().Length())
            field->Model().PlaceCaret(0);
        field->Model().TypeChar(++round % 2 ? U'9' : U'8');
    }
}

BENCHMARK(BM_SettleFloor);
BENCHMARK(BM_SettleStatusText);
BENCHMARK(BM_ClickFloor);
BENCHMARK(BM_CheckBoxClick);
BENCHMARK(BM_DecodeEveryErrorCode)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeCharInModel);
BENCHMARK(BM_TypeCharInWindow);

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter({{"BM_SettleFloor", "BM_SettleStatusText"}, {"BM_ClickFloor", "BM_CheckBoxClick"}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
