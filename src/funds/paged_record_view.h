#pragma once
// One paged record view of the main window: a list of thirty records a page, the count and the
// money total, the page label "current/total" (the only paging state) and six buttons. The SMS
// and the referral records are two of them, given their own controls and request paths. Both
// share the session's search mode: after a search in either, the paging buttons of both ask for
// their own box's search results, until a refresh in either.

#include <QObject>
#include <QPointer>
#include <optional>
#include <span>

#include "funds/record_replies.h"
#include "session/app_context.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QProgressBar;
class QTreeWidget;

namespace verdomo {

struct Endpoint;

struct PagedRecordControls {
  QTreeWidget* list;
  QLabel* count;
  QLabel* total;
  QLineEdit* searchBox;
  QLabel* pageLabel;
  QProgressBar* bar;
  QAbstractButton* refresh;
  QAbstractButton* first;
  QAbstractButton* previous;
  QAbstractButton* next;
  QAbstractButton* last;
  QAbstractButton* search;
};

// The view's requests: the plain list and the search results, each without and with a page.
struct RecordPaths {
  const Endpoint* plain;
  const Endpoint* plainPage;
  const Endpoint* search;
  const Endpoint* searchPage;
};

class PagedRecordView : public QObject {
  Q_OBJECT

 public:
  PagedRecordView(AppContext& context, QWidget* page, const PagedRecordControls& controls,
                  const RecordPaths& paths, std::span<const int> columnWidths);

  void refresh();
  void firstPage();
  void previousPage();
  void nextPage();
  void lastPage();
  void search();

 private:
  // Loads one page behind the busy bar and shows its records. `page` empty: the first page.
  // Answers the good reply, if any.
  std::optional<RecordPage> load(bool search, const std::optional<GbkText>& page);
  // Count, total and page label after a load that sets them: `pageLabel` after a good reply,
  // "0/0" after a bad one.
  void showLabels(const std::optional<RecordPage>& reply, const GbkText& pageLabel);
  // Moves the label by `step` pages and loads that page.
  void turnPage(int step);

  AppContext& context_;
  QPointer<QWidget> page_;
  PagedRecordControls controls_;
  RecordPaths paths_;
};

}  // namespace verdomo
