#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "projects/apply_project_window.h"
#include "projects_fixture.h"

namespace verdomo::test {
namespace {

class ApplyProjectWindowTest : public ProjectsFixture {
 protected:
  ApplyProjectWindowTest() { window.show(); }
  template <typename T>
  T* control(const char* name) const {
    return window.findChild<T*>(QString::fromUtf8(name));
  }
  QLineEdit* receiveName() const { return control<QLineEdit>("编辑框_收码项目名"); }
  QPlainTextEdit* smsTemplate() const { return control<QPlainTextEdit>("编辑框_收码短信模板"); }
  QLineEdit* sendName() const { return control<QLineEdit>("编辑框_发码项目名称"); }
  QPlainTextEdit* numbers() const { return control<QPlainTextEdit>("编辑框_发码发送号码"); }
  void submitReceive() { control<QPushButton>("按钮_收码添加")->click(); }
  void submitSend() { control<QPushButton>("按钮_发码添加")->click(); }

  ApplyProjectWindow window{context};
};

TEST_F(ApplyProjectWindowTest, EmptyBoxesAreRefusedBeforeAnythingIsSent) {
  submitReceive();
  smsTemplate()->setPlainText("模板");
  submitReceive();  // the name is still empty
  receiveName()->setText("某站");
  smsTemplate()->clear();
  submitReceive();
  sendName()->setText("某站");
  submitSend();  // the numbers are empty although the name is filled
  sendName()->clear();
  numbers()->setPlainText("10690");
  submitSend();
  EXPECT_EQ(dialogs.texts(),
            (std::vector<QString>{"请输入项目名称", "请输入项目名称", "请输入短信模板",
                                  "请输入发送号码", "请输入项目名称"}));
  EXPECT_TRUE(server.requests().empty());
}

TEST_F(ApplyProjectWindowTest, EnterInABoxSubmitsNothing) {
  answer("/sq_dx/", "审核中");
  receiveName()->setText("某站");
  smsTemplate()->setPlainText("模板");
  // A button that had the focus once, as after a click with the mouse, is the one Enter would
  // press if it could be a default button.
  QApplication::setActiveWindow(&window);
  control<QPushButton>("按钮_收码添加")->setFocus();
  receiveName()->setFocus();
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    QKeyEvent enter(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(receiveName(), &enter);
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(dialogs.shown().empty());
  EXPECT_TRUE(server.requests().empty());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(receiveName()->text(), "某站");
}

TEST_F(ApplyProjectWindowTest, AReceiveApplicationSendsEveryByteEncodedAndEmptiesOnReview) {
  answer("/sq_dx/", "审核中");
  sendName()->setText("另一页");  // the other page keeps its text
  receiveName()->setText("ab");
  smsTemplate()->setPlainText("码1\n ");
  submitReceive();
  // "码" is E7 A0 81 in UTF-8; the line break goes as CR LF; even letters and digits are escaped.
  EXPECT_EQ(server.requests().back().target,
            "/sq_dx/username=demo01&password=pw&m=%61%62&dx=%E7%A0%81%31%0D%0A%20&l=1");
  EXPECT_EQ(dialogs.texts(), std::vector<QString>{"审核中"});
  EXPECT_TRUE(receiveName()->text().isEmpty());
  EXPECT_TRUE(smsTemplate()->toPlainText().isEmpty());
  EXPECT_EQ(sendName()->text(), "另一页");
}

TEST_F(ApplyProjectWindowTest, OnlyTheExactReviewReplyEmptiesTheBoxes) {
  for (const char* reply : {"1|审核中", "审核中 ", "项目已存在", ""}) {
    answer("/sq_dx/", reply);
    sendName()->setText("短信 服务");
    numbers()->setPlainText("106#107");
    submitSend();
    EXPECT_EQ(sendName()->text(), "短信 服务") << reply;
    EXPECT_EQ(numbers()->toPlainText(), "106#107") << reply;
    EXPECT_EQ(dialogs.texts().back(), QString::fromUtf8(reply));
  }
  EXPECT_EQ(server.requests().back().target,
            "/sq_dx/username=demo01&password=pw&m=%E7%9F%AD%E4%BF%A1%20%E6%9C%8D%E5%8A%A1"
            "&hm=%31%30%36%23%31%30%37&l=2");
  answer("/sq_dx/", "审核中");
  submitSend();
  EXPECT_TRUE(sendName()->text().isEmpty());
  EXPECT_TRUE(numbers()->toPlainText().isEmpty());
}

TEST_F(ApplyProjectWindowTest, TheRadioButtonsSwitchPagesThatKeepTheirTexts) {
  auto* pages = control<QTabWidget>("高级选择夹2");
  EXPECT_EQ(pages->currentIndex(), 0);
  receiveName()->setText("收码项目");
  control<QRadioButton>("单选框2")->click();
  EXPECT_EQ(pages->currentIndex(), 1);
  control<QRadioButton>("单选框1")->click();
  EXPECT_EQ(pages->currentIndex(), 0);
  EXPECT_EQ(receiveName()->text(), "收码项目");
}

}  // namespace
}  // namespace verdomo::test
