#include "app/changes_dialog.h"

#include <QAbstractTextDocumentLayout>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "operations/message.h"
#include "operations/text_diff.h"
#include "subtitle/subtitle_entry.h"

namespace {

enum Column { kEntry, kTime, kBefore, kAfter };

// The text as rich text, the marked bytes underlined on a highlighted ground, "|" between
// display lines as the command line shows them.
QString MarkedHtml(const std::string& text, const std::vector<bool>& marks) {
  QString html;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t stop = start;
    while (stop < text.size() && marks[stop] == marks[start]) {
      ++stop;
    }
    std::string run = text.substr(start, stop - start);
    std::replace(run.begin(), run.end(), lumetra::kLineBreak, '|');
    const QString escaped = QString::fromUtf8(run).toHtmlEscaped();
    html += marks[start] ? QStringLiteral("<u style=\"background-color:#ffe08a\">") + escaped +
                               QStringLiteral("</u>")
                         : escaped;
    start = stop;
  }
  return html;
}

// Paints a cell's text as rich text.
class RichTextDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString html = cell.text;
    cell.text.clear();
    cell.widget->style()->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
    QTextDocument document;
    document.setDocumentMargin(2);
    document.setHtml(html);
    painter->save();
    painter->translate(cell.rect.topLeft());
    painter->setClipRect(cell.rect.translated(-cell.rect.topLeft()));
    document.documentLayout()->draw(painter, {});
    painter->restore();
  }
};

QString TimeText(double ms) {
  const auto whole = static_cast<long long>(ms < 0 ? 0 : ms);
  return QStringLiteral("%1:%2:%3,%4")
      .arg(whole / 3600000, 2, 10, QLatin1Char('0'))
      .arg(whole / 60000 % 60, 2, 10, QLatin1Char('0'))
      .arg(whole / 1000 % 60, 2, 10, QLatin1Char('0'))
      .arg(whole % 1000, 3, 10, QLatin1Char('0'));
}

// Passes refusals and failures on; the count of a preview is not for the user.
class PreviewView : public lumetra::FrameView {
 public:
  explicit PreviewView(lumetra::FrameView& window) : window_(window) {}
  void showMessage(const lumetra::Message& message) override {
    if (message.kind == lumetra::MessageKind::Completion)
      completed = true;
    else
      window_.showMessage(message);
  }
  bool completed = false;

 private:
  lumetra::FrameView& window_;
};

}  // namespace

ChangesDialog::ChangesDialog(const std::vector<lumetra::TextChange>& changes, QWidget* parent)
    : QDialog(parent), changes_(changes), list_(new QTableWidget(this)) {
  setObjectName(QStringLiteral("frmChanges"));
  setWindowTitle(QString::fromStdString(lumetra::TitleText()));
  auto* hint = new QLabel(tr("Untick the changes you do not want, then press Apply."), this);

  list_->setObjectName(QStringLiteral("lstChanges"));
  list_->setAccessibleName(tr("Changes"));
  list_->setColumnCount(4);
  list_->setHorizontalHeaderLabels({tr("Entry"), tr("Time"), tr("Before"), tr("After")});
  list_->setRowCount(static_cast<int>(changes.size()));
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->verticalHeader()->hide();
  list_->horizontalHeader()->setStretchLastSection(true);
  auto* richText = new RichTextDelegate(list_);
  list_->setItemDelegateForColumn(kBefore, richText);
  list_->setItemDelegateForColumn(kAfter, richText);
  for (int row = 0; row < list_->rowCount(); ++row) {
    const lumetra::TextChange& change = changes[static_cast<std::size_t>(row)];
    const lumetra::ChangeMarks marks = lumetra::MarkChanges(change.before, change.after);
    auto* entry = new QTableWidgetItem(QString::number(change.entryNumber));
    entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
    entry->setCheckState(Qt::Checked);
    list_->setItem(row, kEntry, entry);
    list_->setItem(row, kTime, new QTableWidgetItem(TimeText(change.startMs)));
    list_->setItem(row, kBefore, new QTableWidgetItem(MarkedHtml(change.before, marks.before)));
    list_->setItem(row, kAfter,
                   new QTableWidgetItem(change.dropped ? tr("(dropped)")
                                                       : MarkedHtml(change.after, marks.after)));
  }
  list_->resizeColumnsToContents();

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* apply = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
  apply->setObjectName(QStringLiteral("cmdApply"));
  apply->setDefault(true);
  QPushButton* cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cmdCancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hint);
  layout->addWidget(list_);
  layout->addWidget(buttons);
  resize(760, 420);
}

lumetra::LeftOutChanges ChangesDialog::leftOut() const {
  lumetra::LeftOutChanges left;
  for (int row = 0; row < list_->rowCount(); ++row) {
    if (list_->item(row, kEntry)->checkState() != Qt::Checked)
      left.insert(changes_[static_cast<std::size_t>(row)].index);
  }
  return left;
}

std::optional<lumetra::LeftOutChanges> ChooseChanges(QWidget* parent, lumetra::FrameView& view,
                                                     const char* activity,
                                                     const PreviewRun& preview) {
  std::vector<lumetra::TextChange> changes;
  PreviewView previewView(view);
  view.enterBusy(lumetra::BusyCaption(activity));
  preview([&](const lumetra::TextChange& change) { changes.push_back(change); }, previewView);
  view.leaveBusy();
  if (!previewView.completed)
    return std::nullopt;
  if (changes.empty())
    return lumetra::LeftOutChanges{};
  ChangesDialog dialog(changes, parent);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  return dialog.leftOut();
}
