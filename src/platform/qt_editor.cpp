#include "platform/qt_editor.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <system_error>

extern char** environ;

namespace ws {

struct QtEditor::Watch {
  long watcher = -1;
  int report = -1;
  std::unique_ptr<QSocketNotifier> notifier;
  Failed failed;
};

QtEditor::QtEditor() = default;

namespace {

constexpr int kReportFd = 3;
constexpr int kCannotRun = 127;

void setDefault(int signal) {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  ::sigaction(signal, &action, nullptr);
}

// The forked child, a copy of the whole program: only async-signal-safe calls from here on.
// In a session of its own, so that the opener outlives the program and its terminal, it starts
// the opener, waits for it and writes how it ended into the pipe.
[[noreturn]] void watchOpener(char* const argv[], int report, int openFiles) {
  ::setsid();
  setDefault(SIGCHLD);
  // Only the standard streams and the report stay open, or the program's windows and files
  // would stay open in here for as long as the editor runs.
  if (report != kReportFd) ::dup2(report, kReportFd);
  ::fcntl(kReportFd, F_SETFD, FD_CLOEXEC);
  if (::close_range(kReportFd + 1, ~0U, 0) != 0) {
    for (int fd = kReportFd + 1; fd < openFiles; ++fd) ::close(fd);
  }
  const pid_t opener = ::fork();
  if (opener == 0) {
    setDefault(SIGPIPE);
    setDefault(SIGXFSZ);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(argv[0], argv, environ);
    ::_exit(kCannotRun);
  }
  int status = kCannotRun << 8;
  if (opener > 0) {
    while (::waitpid(opener, &status, 0) < 0 && errno == EINTR) {
    }
  }
  // Once the program has ended nobody reads this, and that is fine.
  [[maybe_unused]] const ssize_t told = ::write(kReportFd, &status, sizeof status);
  ::_exit(0);
}

std::string failure(int status) {
  if (WIFSIGNALED(status))
    return "xdg-open " + std::to_string(WTERMSIG(status)) + " sinyaliyle durduruldu";
  const int code = WEXITSTATUS(status);
  if (code == kCannotRun) return "xdg-open çalıştırılamadı";
  std::string text = "xdg-open " + std::to_string(code) + " koduyla sona erdi";
  if (code == 3) text += ": bu dosyayı açacak bir program bulunamadı";
  return text;
}

}  // namespace

QtEditor::~QtEditor() {
  for (const auto& watch : watches_) {
    watch->notifier.reset();
    ::close(watch->report);
    ::waitpid(static_cast<pid_t>(watch->watcher), nullptr, WNOHANG);
  }
}

std::optional<std::string> QtEditor::start(const std::string& path, Failed failed) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return "xdg-open programı bulunamadı";
  // Everything the child needs is made before the fork.
  QByteArray program = QFile::encodeName(opener);
  QByteArray file = QFile::encodeName(QFileInfo(QString::fromStdString(path)).absoluteFilePath());
  char* const argv[] = {program.data(), file.data(), nullptr};
  rlimit files{};
  const int openFiles = ::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < 65536
                            ? int(files.rlim_cur)
                            : 65536;

  int pipe[2];
  if (::pipe2(pipe, O_CLOEXEC) != 0) return std::generic_category().message(errno);
  const pid_t watcher = ::fork();
  if (watcher == 0) watchOpener(argv, pipe[1], openFiles);
  const int error = errno;
  ::close(pipe[1]);
  if (watcher < 0) {
    ::close(pipe[0]);
    return std::generic_category().message(error);
  }

  auto watch = std::make_unique<Watch>();
  watch->watcher = watcher;
  watch->report = pipe[0];
  watch->failed = std::move(failed);
  watch->notifier = std::make_unique<QSocketNotifier>(pipe[0], QSocketNotifier::Read);
  Watch* told = watch.get();
  QObject::connect(watch->notifier.get(), &QSocketNotifier::activated,
                   [this, told] { report(told); });
  watches_.push_back(std::move(watch));
  return std::nullopt;
}

void QtEditor::report(Watch* watch) {
  int status = 0;
  ssize_t got = 0;
  do {
    got = ::read(watch->report, &status, sizeof status);
  } while (got < 0 && errno == EINTR);
  // The watcher ends right after its report; a watcher that died without one tells nothing.
  while (::waitpid(static_cast<pid_t>(watch->watcher), nullptr, 0) < 0 && errno == EINTR) {
  }
  const bool failedToOpen = got == sizeof status && status != 0;
  Failed failed = std::move(watch->failed);

  watch->notifier->setEnabled(false);
  watch->notifier.release()->deleteLater();  // it is the sender of this very call
  ::close(watch->report);
  watches_.remove_if([watch](const auto& each) { return each.get() == watch; });
  if (failedToOpen && failed) failed(failure(status));
}

}  // namespace ws
