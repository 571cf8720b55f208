#include "app/monkey_guard.h"

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quorval {
namespace {

// A signal handler may only read plain memory: the action under way is kept
// as text in a fixed buffer. One run per process, so one buffer.
char g_action[512] = "before the first action";
MonkeyGuard* g_guard = nullptr;
QtMessageHandler g_previousHandler = nullptr;

long long NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void WriteAll(const char* text) {
  size_t left = std::strlen(text);
  while (left > 0) {
    const ssize_t n = ::write(STDERR_FILENO, text, left);
    if (n <= 0) return;
    text += n;
    left -= static_cast<size_t>(n);
  }
}

extern "C" void OnCrash(int signal) {
  WriteAll("Monkey: the program crashed (");
  WriteAll(signal == SIGSEGV ? "SIGSEGV" : signal == SIGABRT ? "SIGABRT" : signal == SIGFPE ? "SIGFPE"
           : signal == SIGBUS ? "SIGBUS" : "SIGILL");
  WriteAll(") during ");
  WriteAll(g_action);
  WriteAll("\n");
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text);

}  // namespace

MonkeyGuard::MonkeyGuard(int hangSeconds) : hangSeconds_(hangSeconds) {
  g_guard = this;
  g_previousHandler = qInstallMessageHandler(OnQtMessage);
  for (const int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) std::signal(signal, OnCrash);
  // The heartbeat turns with the event loop, nested loops (a modal dialog,
  // a pause) included; the watchdog sees it stop.
  Beat();
  lastActionMs_ = 0;
  heartbeat_.setInterval(200);
  connect(&heartbeat_, &QTimer::timeout, this, [this] { Beat(); });
  heartbeat_.start();
  watchdog_ = std::thread([this] { Watch(); });
}

MonkeyGuard::~MonkeyGuard() {
  stop_ = true;
  watchdog_.join();
  for (const int signal : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL}) std::signal(signal, SIG_DFL);
  qInstallMessageHandler(g_previousHandler);
  g_guard = nullptr;
}

void MonkeyGuard::SetAction(int number, const std::string& text) {
  std::snprintf(g_action, sizeof g_action, "action %d (%s)", number, text.c_str());
  Beat();
  lastActionMs_ = lastBeatMs_.load();
}

void MonkeyGuard::Beat() { lastBeatMs_ = NowMs(); }

void MonkeyGuard::Watch() {
  while (!stop_) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const long long now = NowMs(), limit = hangSeconds_ * 1000LL;
    const bool still = now - lastBeatMs_ > limit;
    if (!still && (lastActionMs_ == 0 || now - lastActionMs_ <= limit)) continue;
    char text[640];
    std::snprintf(text, sizeof text, "Monkey: the program hung: %s for %d seconds during %s\n",
                  still ? "its event loop stood still" : "its event loop turned but no action could follow",
                  hangSeconds_, g_action);
    WriteAll(text);
    std::_Exit(1);
  }
}

void MonkeyGuard::NoteQtMessage(QtMsgType type, const QString& text) {
  if (type == QtWarningMsg) ++warnings_;
  if (type != QtCriticalMsg && type != QtFatalMsg) return;
  if (criticals_++ == 0) firstCritical_ = text.toStdString() + " during " + g_action;
}

namespace {

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  // The offscreen platform's notes on what it cannot do (raise a window,
  // grab the keyboard for a popup) say nothing of the program.
  if (type == QtWarningMsg && text.startsWith("This plugin does not support")) return;
  if (g_guard) g_guard->NoteQtMessage(type, text);
  // Qt's warnings name the action they came with.
  const QString named = type == QtDebugMsg || type == QtInfoMsg ? text : text + " (monkey: " + g_action + ")";
  if (g_previousHandler) g_previousHandler(type, context, named);
  else std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, named)));
}

}  // namespace

}  // namespace quorval
