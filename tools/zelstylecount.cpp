// Counts style sheet work for the benches: loaded ahead of Qt (LD_PRELOAD),
// it stands in front of QWidget::setStyleSheet and of the style sheet parser,
// counts each call and hands it on. The client itself never links this.

#include <QString>
#include <QWidget>

#include <dlfcn.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<int> g_setCalls{0};
std::atomic<int> g_parses{0};
std::atomic<long long> g_setChars{0};

template <typename Function>
Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

// Read by the bench through dlsym(): calls of setStyleSheet, sheets parsed.
__attribute__((visibility("default"))) void zelStyleSheetCounts(int *setCalls, int *parses)
{
    *setCalls = g_setCalls.load();
    *parses = g_parses.load();
}

// Read by the bench through dlsym(): characters of sheet text set so far.
__attribute__((visibility("default"))) long long zelStyleSheetChars()
{
    return g_setChars.load();
}

// void QWidget::setStyleSheet(const QString &)
__attribute__((visibility("default"))) void zelSetStyleSheet(void *widget, const QString &sheet)
    __asm__("_ZN7QWidget13setStyleSheetERK7QString");
void zelSetStyleSheet(void *widget, const QString &sheet)
{
    using Real = void (*)(void *, const QString &);
    static const Real real = next<Real>("_ZN7QWidget13setStyleSheetERK7QString");
    ++g_setCalls;
    g_setChars += sheet.size();
    // ZEL_STYLE_COUNT_LIST=1 names each widget given a sheet, for finding them.
    static const bool list = std::getenv("ZEL_STYLE_COUNT_LIST") != nullptr;
    if (list) {
        auto *w = static_cast<QWidget *>(widget);
        std::fprintf(stderr, "setStyleSheet %s %s in %s (%lld chars)\n", w->metaObject()->className(),
                     qPrintable(w->objectName()), w->window()->metaObject()->className(),
                     static_cast<long long>(sheet.size()));
    }
    real(widget, sheet);
}

// bool QCss::Parser::parse(QCss::StyleSheet *, Qt::CaseSensitivity)
__attribute__((visibility("default"))) bool zelParse(void *parser, void *styleSheet, int sensitivity)
    __asm__("_ZN4QCss6Parser5parseEPNS_10StyleSheetEN2Qt15CaseSensitivityE");
bool zelParse(void *parser, void *styleSheet, int sensitivity)
{
    using Real = bool (*)(void *, void *, int);
    static const Real real = next<Real>("_ZN4QCss6Parser5parseEPNS_10StyleSheetEN2Qt15CaseSensitivityE");
    ++g_parses;
    return real(parser, styleSheet, sensitivity);
}

} // extern "C"
