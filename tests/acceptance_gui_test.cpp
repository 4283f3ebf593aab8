#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QLocale>
#include <QMenuBar>
#include <QRegularExpression>
#include <cstring>
#include <fstream>

#include "main_window/main_window.h"
#include "platform/qt_dialogs.h"
#include "support/doubles.h"
#include "support/program_folder.h"
#include "support/quick_user.h"

namespace ws {
namespace {

using Answers = std::vector<std::optional<QString>>;

// clang-format off
const QStringList kHuge{"1e400", "309", "99999", QString(10000, '9')};
const QStringList kHostile = QStringList{"", "   ", "kelime", "-5", "0", "2,5", "2.5", "e"} + kHuge;

// The limits: the question, the answers beyond, the message, whether the command stops there,
// and the only commands it holds for, if not all.
struct Limit {
  const char* prompt; QStringList answers; const char* message; bool atOnce; QStringList only = {};
};
const Limit kLimits[] = {
  {"sayının basamak sayısı", kHuge, "en fazla 308", true},
  {"Kaç tane hazırlansın?", kHuge, "en fazla 10000", true},
  {"Sayı en fazla kaçtan başlasın?", {"-5"}, "en az 0", false},
  {"Sayı en fazla kaçtan başlasın?", kHuge, "en fazla 100", false},
  {"Sayı örüntüleri en fazla kaçarlı olsun?", {"   ", "kelime", "-5", "0", "e"}, "en az 1", false},
  {"Şekil örüntüleri", {"2.5", "2" + QLocale::system().decimalPoint() + "5"}, "tam sayı", false},
  // 15 places beside the other answers' digits leave a decimal product no exact text.
  {"ondalık basamak sayısı", kHuge, "en fazla 15", false,
   {"mnualtaltacarpmabilinmeyenondalık", "mnukalansızondalıkbolme"}}};
// clang-format on

const QRegularExpression kNotANumber("inf|nan", QRegularExpression::CaseInsensitiveOption);

// What a pupil would notice: a field that the load left empty or unfilled, inf or nan.
void expectSound(const Page& page) {
  for (const TextField& text : page.texts) {
    const QString caption = QString::fromStdString(text.caption);
    EXPECT_FALSE(caption.isEmpty() || text.caption == text.name || caption.contains(kNotANumber))
        << page.form << '.' << text.name << '(' << text.index << ") \"" << text.caption << '"';
  }
}

class Acceptance : public test::ProgramFolder {
 protected:
  // Chooses the item and answers its dialogs; nothing that comes of it may show inf or nan.
  void play(Form1& form, const Command& command, const Answers& answers) {
    const qint64 before = QFileInfo("ruvakto.txt").size();
    printer_.printed.clear();
    QAction* item = form.findChild<QAction*>(toQString(command.item));
    seen_ = test::answering(answers, [&] { item->trigger(); });
    lines_ = test::readFrom("ruvakto.txt", before);
    EXPECT_FALSE(lines_.contains(kNotANumber)) << lines_.toStdString();
    for (const Page& page : printer_.printed) expectSound(page);
    const auto* kind = std::get_if<PageKind>(&command.output);
    open_ = kind ? form.pages().window(*kind) : nullptr;
    if (open_) expectSound(open_->page());
  }

  test::RecordingPrinter printer_;
  test::Transcript seen_;
  QString lines_;
  PageWindow* open_ = nullptr;
};

TEST_F(Acceptance, EveryMenuItemMakesItsSheetThroughTheRealWindow) {
  Form1 form(Form1Services{.printer = &printer_});
  int textRuns = 0;
  for (const Command* command : allCommands()) {
    SCOPED_TRACE(command->item);
    EXPECT_EQ(form.findChild<QAction*>(toQString(command->item))->isEnabled(), command->available);
    if (!command->available) continue;
    for (const bool defaults : {true, false}) {
      SCOPED_TRACE(defaults ? "with the defaults" : "with 2 to every number, no pictures");
      Answers answers(command->questions.size());
      for (std::size_t q = 0; q < answers.size() && !defaults; ++q)
        answers[q] = command->questions[q].prompt == Prompt::Pictures ? "H" : "2";
      play(form, *command, answers);
      ASSERT_EQ(seen_.questions.size(), answers.size());
      EXPECT_EQ(seen_.questions.back().title.toStdString(), command->title);
      EXPECT_TRUE(seen_.messages.empty());
      const int count = answers.back().value_or(seen_.questions.back().defaultText).toInt();
      if (command->isTextSheet()) {
        // One or three problems a repetition, each with its place for the answer.
        ++textRuns;
        const qsizetype lines = lines_.count("\r\n");
        EXPECT_TRUE(lines == count || lines == 3 * count) << lines;
        EXPECT_EQ(lines_.count("..."), lines) << lines_.toStdString();
        continue;
      }
      ASSERT_EQ(open_ != nullptr, count == 0);
      if (open_) {  // a preview: the page stays open and prints from its own menu
        EXPECT_EQ(open_->windowTitle(), "Çalışma sayfası");
        const QList<QAction*> menu = open_->menuBar()->actions();
        ASSERT_EQ(menu.size(), 1);
        EXPECT_EQ(menu[0]->text(), "Yazdır");
        menu[0]->trigger();
      }
      ASSERT_EQ(printer_.printed.size(), std::max(count, 1));
      for (const Page& page : printer_.printed) {
        EXPECT_EQ(page.form, formName(std::get<PageKind>(command->output)));
        for (const Picture& pic : page.pictures)
          EXPECT_TRUE(!pic.switched || pic.visible == defaults);
      }
    }
  }
  // The editor runs on its own; wait until every text sheet has reached it.
  const QString file = QDir::current().absoluteFilePath("ruvakto.txt") + '\n';
  for (int tries = 0; tries < 6000 && test::readFrom(opened()).count('\n') < textRuns; ++tries)
    usleep(10000);
  EXPECT_EQ(QString::fromUtf8(test::readFrom(opened())), file.repeated(textRuns));
}

TEST_F(Acceptance, NoAnswerHangsOrShowsInfinityAndEveryLimitIsTold) {
  Form1 form(Form1Services{.printer = &printer_});
  for (const Command* command : allCommands()) {
    const std::size_t questions = command->questions.size();
    for (std::size_t q = 0; q < questions && command->available; ++q) {
      const QString prompt = toQString(promptText(command->questions[q].prompt));
      for (const QString& answer : kHostile) {
        // 309 sheets would take long; 99999 only tests the count's own limit.
        if (answer == (q + 1 == questions ? "309" : "99999")) continue;
        SCOPED_TRACE(std::string(command->item) + " at \"" + prompt.toStdString() +
                     "\" answered \"" + answer.left(12).toStdString() + '"');
        Answers answers(questions);
        answers.back() = "1";
        answers[q] = answer;
        const Limit* limit = std::find_if(std::begin(kLimits), std::end(kLimits), [&](auto& l) {
          return prompt.contains(l.prompt) && l.answers.contains(answer) &&
                 (l.only.isEmpty() || l.only.contains(QString::fromUtf8(command->item)));
        });
        const bool refused = limit != std::end(kLimits);
        play(form, *command, answers);
        const bool stops = answer.isEmpty() || (refused && limit->atOnce);
        EXPECT_EQ(seen_.questions.size(), stops ? q + 1 : questions);
        ASSERT_EQ(seen_.messages.size(), refused ? 1u : 0u);
        if (!refused) continue;
        EXPECT_EQ(seen_.messages[0].title, toQString(command->title));
        EXPECT_TRUE(seen_.messages[0].text.contains(limit->message))
            << seen_.messages[0].text.toStdString();
      }
    }
  }
}

// Printing faults are told by the printer itself (PdfFallback); these are the text file's.
TEST_F(Acceptance, EachTextFileFaultIsToldOnceWithTheFilesPathAndTheFileKeepsWhatItHad) {
  const QByteArray known = "5+3=...\r\nÖğretmenin notu: yarın 2. sayfa";  // no line end
  int holder = -1;
  struct Fault {  // make(true) makes the fault, make(false) takes it away
    const char* what;
    QString message;
    std::function<void(bool)> make;
    bool appends;  // the sheet reached the file before the fault
  } faults[] = {
      {"read-only folder",
       "dosyasına yazılamadı.\nSistemin bildirdiği neden: " + QString(strerror(EACCES)),
       [](bool on) {
         // Root may write anywhere: someone who may only look stands in.
         EXPECT_TRUE(on || getuid() != 0 || seteuid(0) == 0);
         EXPECT_EQ(chmod("ruvakto.txt", on ? 0444 : 0644) | chmod(".", on ? 0555 : 0755), 0);
         EXPECT_TRUE(chmod("..", 0711) == 0 && (!on || getuid() != 0 || seteuid(65534) == 0));
       },
       false},
      {"held by another program", "başka bir program tarafından kullanılıyor",
       [&](bool on) {
         // A wait that never ends stops the test here instead of hanging it.
         alarm(on ? 60 : 0);
         if (on) holder = ::open("ruvakto.txt", O_RDONLY);
         EXPECT_EQ(on ? flock(holder, LOCK_EX) : ::close(holder), 0);
       },
       false},
      {"no editor", "Metin düzenleyici açılamadı",
       [&](bool on) { qputenv("PATH", (on ? work_ : tools_).path().toUtf8()); }, true}};
  for (const Fault& fault : faults) {
    SCOPED_TRACE(fault.what);
    ASSERT_TRUE(QDir().mkpath(work_.filePath(fault.what)) &&
                QDir::setCurrent(work_.filePath(fault.what)));
    std::ofstream("ruvakto.txt", std::ios::binary) << known.toStdString();
    Form1 form;
    fault.make(true);
    play(form, *findCommand("mnuyanyanatoplama"), {"1", "1", "1"});
    fault.make(false);
    ASSERT_EQ(seen_.messages.size(), 1u);
    EXPECT_TRUE(seen_.messages[0].text.contains(fault.message) &&
                seen_.messages[0].text.contains(QDir::current().absoluteFilePath("ruvakto.txt")))
        << seen_.messages[0].text.toStdString();
    const QByteArray kept = test::readFrom("ruvakto.txt");
    EXPECT_EQ(kept.left(known.size()), known);
    EXPECT_EQ(kept.size() > known.size(), fault.appends);
  }
}

}  // namespace
}  // namespace ws
