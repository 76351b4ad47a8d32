// How the text windows keep up with big files, offscreen: a 5 MB constants
// file opened in the CNS window up to its first frame with colours and up to
// its last line in the box, reverted, and one character typed in it; the state window's caption (the
// [Statedef] around the caret) worked out at the end of a 1 MB state file
// and at the start and the end of a 10 KB one, alone and as part of a typed
// character. The peers, in the same run: Qt's plain text editor opening the
// same file (read, decoded, shown and painted, without colours) and taking
// the same keystroke.

#include "documents/document_manager.h"
#include "scripted_dialogs.h"
#include "text/character_editors.h"
#include "text/editor_text_box.h"
#include "text/state_file_window.h"
#include "ui/app.h"
#include "ui/settings_store_qt.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace vantrel;

// States as character files write them, CR LF ends, until the text holds `bytes` bytes.
std::string stateText(std::size_t bytes)
{
    const std::string state = ";---------------------------------------------------------------------------\r\n"
                              "; Move @\r\n[Statedef @]\r\ntype    = S                      ;Stand\r\n"
                              "movetype= A\r\nphysics = S\r\njuggle  = 1\r\nvelset = 0,0\r\nctrl = 0\r\n"
                              "anim = @\r\npoweradd = 20\r\nsprpriority = 2\r\n\r\n"
                              "[State @, 1]\r\ntype = HitDef\r\ntrigger1 = Time = 0\r\nattr = S, NA\r\n"
                              "damage = 23, 0\r\nanimtype = Light\r\nguardflag = MA\r\nhitflag = MAF\r\n"
                              "priority = 3, Hit\r\npausetime = 8, 8\r\nsparkxy = -10, -76\r\nhitsound = 5, 0\r\n"
                              "ground.type = High\r\nground.velocity = -4\r\nair.velocity = -1.3,-3\r\n\r\n"
                              "[State @, 2]\r\ntype = ChangeState\r\ntrigger1 = AnimTime = 0\r\nvalue = 0\r\n"
                              "ctrl = 1\r\n\r\n";
    std::string text = "; Generated states\r\n[Data]\r\nlife = 1000\r\nattack = 100\r\n\r\n";
    for (int s = 200; text.size() < bytes; ++s) {
        for (const char c : state) {
            if (c == '@')
                text += std::to_string(s);
            else
                text += c;
        }
    }
    return text;
}

bool writeText(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// A program state in a folder of its own, with the generated files.
struct BenchApp {
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    SettingsStoreQt store{dir.path() + "/settings.ini"};
    DocumentManager documents;
    App app{dir.path(), dir.path(), dialogs, store};

    BenchApp() { app.documents = &documents; }
    std::string path(const char* name) const { return dir.path().toStdString() + "/" + name; }
};

BenchApp& files()
{
    static BenchApp* b = [] {
        auto* made = new BenchApp;
        writeText(made->path("big.cns"), stateText(5'000'000));
        writeText(made->path("big.st"), stateText(1'000'000));
        writeText(made->path("small.st"), stateText(10'000));
        made->documents.characterFiles().constantsFile = made->path("big.cns");
        return made;
    }();
    return *b;
}

// The window as a user sees it: shown, sized, painted.
void showAndPaint(QWidget& window)
{
    window.resize(900, 700);
    window.show();
    QApplication::processEvents();
}

// A new CNS window on the file, up to its first frame with colours, and
// (with `allLines`) on until the last of its lines is in the box, the
// window's events handled between the steps as the program's loop does.
void BM_OpenCns5MB(benchmark::State& state, bool allLines)
{
    BenchApp& b = files();
    for (auto _ : state) {
        auto window = std::make_unique<ConstantsWindow>(b.app); // loads the file
        showAndPaint(*window);
        window->editor()->viewport()->repaint();
        while (allLines && window->editor()->isLoading())
            QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["bytes"] = 5'000'000;
}

// The peer: Qt's own plain text editor on the same file, lines unwrapped.
std::unique_ptr<QPlainTextEdit> plainEditor(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::ReadOnly);
    auto editor = std::make_unique<QPlainTextEdit>();
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setPlainText(QString::fromUtf8(file.readAll()));
    showAndPaint(*editor);
    editor->viewport()->repaint();
    return editor;
}

void BM_PeerPlainEditorOpen5MB(benchmark::State& state)
{
    BenchApp& b = files();
    for (auto _ : state) {
        auto editor = plainEditor(b.path("big.cns"));
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}

// Revert in an open window: the text it held goes, the file's comes, all of it.
void BM_RevertCns5MB(benchmark::State& state)
{
    BenchApp& b = files();
    ConstantsWindow window(b.app);
    showAndPaint(window);
    for (auto _ : state) {
        window.revert();
        window.editor()->viewport()->repaint();
        do
            QApplication::processEvents();
        while (window.editor()->isLoading());
    }
}

// One character typed at the caret and the frame that shows it.
void typeOne(EditorTextBox* editor)
{
    QTest::keyClick(editor, Qt::Key_X);
    editor->viewport()->repaint();
}

void BM_TypeInCns5MB(benchmark::State& state)
{
    BenchApp& b = files();
    ConstantsWindow window(b.app);
    showAndPaint(window);
    EditorTextBox* editor = window.editor();
    editor->finishLoading();
    editor->setFocus();
    // At the end of a parameter line half way down.
    QTextCursor caret(editor->document()->findBlockByNumber(editor->document()->blockCount() / 2 + 1));
    caret.movePosition(QTextCursor::EndOfBlock);
    editor->setTextCursor(caret);
    QApplication::processEvents();
    for (auto _ : state)
        typeOne(editor);
}

void BM_PeerPlainEditorTyping5MB(benchmark::State& state)
{
    const auto editor = plainEditor(files().path("big.cns"));
    editor->setFocus();
    QTextCursor caret(editor->document()->findBlockByNumber(editor->document()->blockCount() / 2 + 1));
    caret.movePosition(QTextCursor::EndOfBlock);
    editor->setTextCursor(caret);
    QApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(editor.get(), Qt::Key_X);
        editor->viewport()->repaint();
    }
}

// The state window on `file`, caret at the end (or on the second line).
std::unique_ptr<StateFileWindow> stateWindow(const char* file, bool atEnd)
{
    BenchApp& b = files();
    b.documents.characterFiles().stateFiles[0] = b.path(file);
    auto window = std::make_unique<StateFileWindow>(b.app);
    showAndPaint(*window);
    EditorTextBox* editor = window->editor();
    editor->finishLoading();
    editor->setFocus();
    if (atEnd) {
        editor->moveCursor(QTextCursor::End);
    } else {
        editor->moveCursor(QTextCursor::Start);
        editor->moveCursor(QTextCursor::Down);
    }
    QApplication::processEvents();
    return window;
}

void BM_StateCaption(benchmark::State& state, const char* file, bool atEnd)
{
    const auto window = stateWindow(file, atEnd);
    for (auto _ : state)
        window->showCurrentState();
    state.SetLabel(window->windowTitle().toStdString().substr(0, 10));
}

void BM_StateTyping(benchmark::State& state, const char* file, bool atEnd)
{
    const auto window = stateWindow(file, atEnd);
    for (auto _ : state)
        typeOne(window->editor());
}

} // namespace

BENCHMARK(BM_PeerPlainEditorOpen5MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_OpenCns5MB, first_frame, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_OpenCns5MB, all_lines, true)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RevertCns5MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PeerPlainEditorTyping5MB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeInCns5MB)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StateCaption, end_of_1MB, "big.st", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StateCaption, start_of_10KB, "small.st", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StateCaption, end_of_10KB, "small.st", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StateTyping, end_of_1MB, "big.st", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StateTyping, start_of_10KB, "small.st", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_StateTyping, end_of_10KB, "small.st", true)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
