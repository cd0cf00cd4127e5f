#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QFile>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <thread>

#include "app/login_window.h"
#include "app/notice_window.h"
#include "app/register_window.h"
#include "support/modal_windows.h"
#include "support/recording_dialogs.h"
#include "support/scripted_http_server.h"
#include "ui/event_loop_pause.h"
#include "ui/gbk_qt.h"
#include "ui/look.h"
#include "ui/picture.h"
#include "ui/requester.h"
#include "ui/thread_dispatch.h"
#include "update/update_window.h"

namespace verdomo::test {
namespace {

TEST(ThreadDispatch, RunsWritesAndReadsOnTheUiThread) {
  auto context = std::make_unique<QObject>();
  UiDispatch dispatch(context.get());
  const QThread* uiThread = QThread::currentThread();
  std::optional<bool> readOnUi;
  bool writtenOnUi = false;
  std::thread worker([&] {
    dispatch.post([&] { writtenOnUi = QThread::currentThread() == uiThread; });
    readOnUi = dispatch.read<bool>([&] { return QThread::currentThread() == uiThread; });
  });
  EXPECT_TRUE(waitUntil([&] { return readOnUi.has_value(); }));
  worker.join();
  EXPECT_TRUE(writtenOnUi);
  EXPECT_EQ(readOnUi, true);
}

TEST(ThreadDispatch, AnswersNothingOnceItsWindowIsGone) {
  auto context = std::make_unique<QObject>();
  UiDispatch dispatch(context.get());
  std::optional<int> pending = 0;
  bool pendingDone = false;
  std::thread waiting([&] {
    pending = dispatch.read<int>([] { return 7; });  // queued, its window dies before it runs
    pendingDone = true;
  });
  QThread::msleep(50);
  context.reset();
  waiting.join();
  EXPECT_TRUE(pendingDone);
  EXPECT_EQ(pending, std::nullopt);

  bool written = false;
  std::thread late([&] {
    dispatch.post([&] { written = true; });
    pending = dispatch.read<int>([] { return 7; });
  });
  late.join();
  QCoreApplication::processEvents();
  EXPECT_FALSE(written);
  EXPECT_EQ(pending, std::nullopt);
}

TEST(UiRequester, KeepsTheEventLoopTurningWhileItWaits) {
  ScriptedHttpServer server([](const ScriptedRequest&) {
    return ScriptedReply{.body = "1|slow", .delay = std::chrono::milliseconds(300)};
  });
  int ticks = 0;
  QTimer ticker;
  QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
  ticker.start(20);
  UiRequester requester{Pacing{}};
  EXPECT_EQ(requester.getText(server.baseUrl() + "/yh_qm/"), "1|slow");
  EXPECT_GE(ticks, 5);  // the timer kept firing during the request
  EXPECT_EQ(requester.getText(server.baseUrl() + "/yh_qm/"), "1|slow");
  EXPECT_EQ(server.connectionCount(), 1);  // one kept-alive connection for the handler
}

TEST(EventLoopPause, RunsOtherHandlersWhileItWaits) {
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  EventLoopPause pause(Pacing{0.1});
  pause.pause(200);
  EXPECT_TRUE(ran);
}

TEST(Pictures, DecodeOurBannerAndJpegsLikeQtDoes) {
  const QImage banner = loadResourcePicture(":/pictures/banner.png");
  const QImage reference(":/pictures/banner.png");
  ASSERT_FALSE(banner.isNull());
  EXPECT_EQ(banner.size(), QSize(451, 120));
  EXPECT_EQ(banner.convertToFormat(QImage::Format_ARGB32),
            reference.convertToFormat(QImage::Format_ARGB32));

  QImage picture(40, 30, QImage::Format_RGB888);
  picture.fill(QColor(200, 40, 40));
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(QImageWriter(&buffer, "jpeg").write(picture));
  const QImage decoded = decodePicture(std::string_view(jpeg.constData(), jpeg.size()));
  ASSERT_EQ(decoded.size(), QSize(40, 30));
  const QColor middle = decoded.pixelColor(20, 15);
  EXPECT_NEAR(middle.red(), 200, 8);
  EXPECT_NEAR(middle.green(), 40, 8);

  EXPECT_TRUE(decodePicture("").isNull());
  EXPECT_TRUE(decodePicture("\xFF\x7B\xE7 not a picture").isNull());
  // A cut JPEG decodes as far as it goes, or not at all; it never reads past its bytes.
  const QImage cut = decodePicture(std::string_view(jpeg.constData(), jpeg.size() / 2));
  EXPECT_TRUE(cut.isNull() || cut.size() == QSize(40, 30));
  QFile png(":/pictures/banner.png");
  png.open(QIODevice::ReadOnly);
  const QByteArray pngBytes = png.readAll();
  EXPECT_TRUE(decodePicture(std::string_view(pngBytes.constData(), pngBytes.size() / 2)).isNull());
}

// Larger pictures than any the client shows are refused from their header, before anything is
// allocated for them; 4096 pixels a side still pass.
TEST(Pictures, RefuseSidesAboveFourThousandNinetySixPixels) {
  const auto encoded = [](int width, int height, const char* format) {
    QImage image(
        width, height,
        std::string_view(format) == "png" ? QImage::Format_Mono : QImage::Format_Grayscale8);
    image.fill(0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(QImageWriter(&buffer, format).write(image));
    return bytes.toStdString();
  };
  const struct {
    int width;
    int height;
    const char* format;
    bool shown;
  } cases[] = {{4096, 4096, "png", true}, {4097, 1, "png", false},  {1, 4097, "png", false},
               {4096, 8, "jpeg", true},   {4097, 8, "jpeg", false}, {8, 4097, "jpeg", false}};
  for (const auto& c : cases) {
    const QImage picture = decodePicture(encoded(c.width, c.height, c.format));
    EXPECT_EQ(!picture.isNull(), c.shown) << c.format << " " << c.width << "x" << c.height;
  }
}

// What a production message box shows: the text of its label and how that label reads it.
struct ShownBox {
  QString text;
  Qt::TextFormat format = Qt::AutoText;
};

ShownBox showInMessageBox(const std::function<void(MessageBoxDialogs&)>& show) {
  ShownBox shown;
  const auto watch = whenModalShows<QMessageBox>([&](QMessageBox& box) {
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    if (label != nullptr) shown = {label->text(), label->textFormat()};
    box.buttons().first()->click();
  });
  MessageBoxDialogs dialogs;
  show(dialogs);
  return shown;
}

TEST(MessageBoxes, ShowRepliesAsPlainTextNotAsMarkup) {
  for (const QString& text : {QStringLiteral("<html><body>502 Bad Gateway</body></html>"),
                              QStringLiteral("<b>x</b> y")}) {
    const ShownBox message = showInMessageBox([&](MessageBoxDialogs& d) {
      d.message(nullptr, text, kDefaultCaption, MessageIcon::Question);
    });
    EXPECT_EQ(message.text, text);
    EXPECT_EQ(message.format, Qt::PlainText) << text.toStdString();
    const ShownBox question = showInMessageBox([&](MessageBoxDialogs& d) {
      d.confirm(nullptr, text, kDefaultCaption, ConfirmButtons::YesNo, MessageIcon::None);
    });
    EXPECT_EQ(question.text, text);
    EXPECT_EQ(question.format, Qt::PlainText) << text.toStdString();
  }
}

TEST(GbkAtTheQtBoundary, PutsAQuestionMarkForWhatGbkCannotHold) {
  EXPECT_EQ(toGbk(QStringLiteral("用户a")), utf8ToGbk("用户a"));
  EXPECT_EQ(toGbk(QStringLiteral("a😀b")), "a?b");
  EXPECT_EQ(fromGbk(utf8ToGbk("验证码")), QStringLiteral("验证码"));
}

// Every box a user types into or reads is named for screen readers.
void expectNamedControls(QWidget& window) {
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
        qobject_cast<QPlainTextEdit*>(control)) {
      EXPECT_FALSE(control->accessibleName().isEmpty())
          << window.objectName().toStdString() << ": " << control->objectName().toStdString();
    }
  }
}

// The shell's windows, given a context that talks to nobody.
class ShellWindows : public testing::Test {
 protected:
  SessionState session;
  RecordingDialogs dialogs;
  SystemClock clock;
  AppContext context{{}, {}, session, dialogs, clock, Pacing{}};
};

TEST_F(ShellWindows, NameEveryBoxAfterItsLabel) {
  LoginWindow login(context);
  RegisterWindow registration(context, {}, nullptr);
  NoticeWindow notice("", nullptr);
  UpdateWindow update;
  for (QWidget* window : std::initializer_list<QWidget*>{&login, &registration, &notice, &update}) {
    expectNamedControls(*window);
  }
  EXPECT_EQ(login.userNameBox()->accessibleName(), "用户名");
  EXPECT_EQ(registration.findChild<QLineEdit*>("编辑框_确认密码")->accessibleName(), "确认密码");
  EXPECT_EQ(login.windowTitle(), "Verdomo");
  EXPECT_EQ(login.size(), QSize(451, 302));
  EXPECT_EQ(registration.windowTitle(), "Verdomo用户注册");
  EXPECT_EQ(notice.windowTitle(), "用户端公告");
}

// The client's look for as long as it lives, then Qt's own again: the other tests of this
// process keep theirs.
class AppliedLook {
 public:
  AppliedLook() : styleName_(QApplication::style()->name()), styleSheet_(qApp->styleSheet()) {
    applyLook(*qApp);
  }
  ~AppliedLook() {
    qApp->setStyleSheet(styleSheet_);
    QApplication::setStyle(styleName_);
  }

 private:
  QString styleName_;
  QString styleSheet_;
};

TEST_F(ShellWindows, MaskPasswordsWithAsterisksAndShowTheRegisterLabel) {
  const AppliedLook look;  // before the windows: a box takes its mask character when it is made
  LoginWindow login(context);
  RegisterWindow registration(context, {}, nullptr);
  login.show();
  registration.show();
  for (QLineEdit* box : {login.passwordBox(), registration.findChild<QLineEdit*>("编辑框_密码"),
                         registration.findChild<QLineEdit*>("编辑框_确认密码")}) {
    ASSERT_NE(box, nullptr);
    box->setText("pass");
    EXPECT_EQ(box->displayText(), "****") << box->objectName().toStdString();
  }

  auto* label = login.findChild<QLabel*>("透明标签_注册");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "注册");
  EXPECT_TRUE(label->isVisible());
  EXPECT_GE(label->width(), label->sizeHint().width());
  EXPECT_GE(label->height(), label->sizeHint().height());
  EXPECT_TRUE(login.rect().contains(label->geometry()));
}

}  // namespace
}  // namespace verdomo::test
