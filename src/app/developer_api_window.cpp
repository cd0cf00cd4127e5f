#include "app/developer_api_window.h"

#include <QFile>

#include "ui/gbk_qt.h"
#include "ui_developer_api_window.h"

namespace verdomo {

DeveloperApiWindow::DeveloperApiWindow(std::string_view gbkServerHost, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::DeveloperApiWindow>()) {
  ui_->setupUi(this);
  setAttribute(Qt::WA_DeleteOnClose);
  QFile document(QStringLiteral(":/docs/developer_api.txt"));
  document.open(QIODevice::ReadOnly);
  QString text = QString::fromUtf8(document.readAll());
  text.replace(QStringLiteral("服务器IP"), fromGbk(gbkServerHost), Qt::CaseSensitive);
  ui_->编辑框1->setPlainText(text);
}

DeveloperApiWindow::~DeveloperApiWindow() = default;

}  // namespace verdomo
