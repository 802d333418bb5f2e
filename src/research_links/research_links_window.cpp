// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "research_links/research_links_window.h"

#include "links/link_descriptions.h"
#include "links/link_file.h"
#include "links/link_file_writer.h"
#include "links/link_overrides.h"
#include "platform/dialogs.h"
#include "widgets/window_pattern.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kelvo::app {

using namespace kelvo::handover;
using namespace kelvo::links;

namespace {

constexpr int kControlRole = Qt::UserRole;

} // namespace

ResearchLinksWindow::ResearchLinksWindow(platform::Dialogs &dialogs, platform::Desktop &desktop,
                                         LinkContext context, ControlCaption caption,
                                         QWidget *parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs),
      actions_(std::make_unique<LinkActions>(dialogs, desktop, std::move(context))),
      caption_(std::move(caption)) {
  setObjectName(QStringLiteral("researchLinks"));
  setWindowTitle(tr("Research Links"));
  widgets::letReturnPressButtons(*this);
  buildControls();
  connect(&ActiveLinks::instance(), &ActiveLinks::changed, this, &ResearchLinksWindow::refresh);
  refresh();
}

ResearchLinksWindow::~ResearchLinksWindow() = default;

// What the main window shows for a link control, without access-key marks.
QString ResearchLinksWindow::captionOf(const QString &control) const {
  if (control == u"Label38")
    return makerWebsiteText();
  if (control == u"Label2")
    return makerEmailText();
  if (control == u"List1")
    return tr("The directory list");
  if (control == u"picStart")
    return tr("The background of a page");
  QString caption = caption_ ? caption_(control) : QString();
  if (caption.isEmpty())
    return control;
  caption.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(u'&');
  return caption.replace(u'\x01', u'&').simplified();
}

void ResearchLinksWindow::buildControls() {
  auto *layout = new QVBoxLayout(this);

  today_ = new QCheckBox(tr("Use today's addresses"), this);
  today_->setObjectName(QStringLiteral("useToday"));
  today_->setToolTip(tr("Many sites have retired the addresses the wizard was built with. "
                        "Today's set replaces them with addresses that work now."));
  connect(today_, &QCheckBox::toggled, this, &ResearchLinksWindow::switchTodaySet);
  layout->addWidget(today_);

  auto *listLabel = new QLabel(tr("&Links, by the wizard's steps:"), this);
  links_ = new QTreeWidget(this);
  links_->setObjectName(QStringLiteral("links"));
  links_->setAccessibleName(tr("Links"));
  links_->setColumnCount(4);
  links_->setHeaderLabels({tr("Control"), tr("Template"), tr("Address now"), tr("From")});
  links_->setUniformRowHeights(true);
  links_->setAlternatingRowColors(true);
  links_->header()->setSectionResizeMode(QHeaderView::Interactive);
  listLabel->setBuddy(links_);
  connect(links_, &QTreeWidget::currentItemChanged, this, &ResearchLinksWindow::showSelectedLink);
  layout->addWidget(listLabel);
  layout->addWidget(links_, 3);

  auto *editor = new QGroupBox(tr("Selected link"), this);
  auto *form = new QFormLayout(editor);
  template_ = new QLineEdit(editor);
  template_->setObjectName(QStringLiteral("template"));
  template_->setAccessibleName(tr("Template"));
  template_->setClearButtonEnabled(true);
  connect(template_, &QLineEdit::textEdited, this, &ResearchLinksWindow::checkTemplate);
  connect(template_, &QLineEdit::returnPressed, this, [this] {
    if (save_->isEnabled())
      saveTemplate();
  });
  form->addRow(tr("&Template:"), template_);
  verdict_ = new QLabel(editor);
  verdict_->setObjectName(QStringLiteral("verdict"));
  verdict_->setWordWrap(true);
  verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(verdict_);
  auto *buttons = new QHBoxLayout;
  save_ = new QPushButton(tr("&Save"), editor);
  save_->setObjectName(QStringLiteral("save"));
  save_->setToolTip(tr("Writes the template into your links.conf; the wizard uses it at once."));
  open_ = new QPushButton(tr("&Open"), editor);
  open_->setObjectName(QStringLiteral("open"));
  open_->setToolTip(tr("Opens the template in the box, saved or not, as the control would, "
                       "for the chosen company."));
  reset_ = new QPushButton(tr("&Reset"), editor);
  reset_->setObjectName(QStringLiteral("reset"));
  reset_->setToolTip(tr("Removes your own row for this link from your links.conf."));
  connect(save_, &QPushButton::clicked, this, &ResearchLinksWindow::saveTemplate);
  connect(open_, &QPushButton::clicked, this, &ResearchLinksWindow::openLink);
  connect(reset_, &QPushButton::clicked, this, &ResearchLinksWindow::resetLink);
  buttons->addWidget(save_);
  buttons->addWidget(open_);
  buttons->addWidget(reset_);
  buttons->addStretch();
  form->addRow(buttons);
  layout->addWidget(editor);

  auto *problemsLabel = new QLabel(tr("&Problems in link files:"), this);
  problems_ = new QListWidget(this);
  problems_->setObjectName(QStringLiteral("problems"));
  problems_->setAccessibleName(tr("Problems in link files"));
  problemsLabel->setBuddy(problems_);
  layout->addWidget(problemsLabel);
  layout->addWidget(problems_, 1);

  auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(close, &QDialogButtonBox::rejected, this, &QWidget::close);
  layout->addWidget(close);
  auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  // Within the screen at any scale factor; the lists scroll when it is small.
  QSize wanted(1060, 680);
  if (const QScreen *s = screen())
    wanted = wanted.boundedTo(s->availableGeometry().size() * 0.9);
  resize(wanted);
}

void ResearchLinksWindow::refresh() {
  const ActiveLinks &active = ActiveLinks::instance();
  const QString selected = selectedControl();
  {
    const QSignalBlocker block(today_);
    today_->setChecked(active.settings().today);
  }

  const QSignalBlocker block(links_);
  links_->clear();
  QTreeWidgetItem *group = nullptr;
  std::optional<LinkPlace> place;
  QTreeWidgetItem *current = nullptr;
  for (const LinkDescription &description : linkDescriptions()) {
    const QString control = QString::fromLatin1(description.control);
    const LinkTemplate *link = active.catalogue().find(control);
    if (!link)
      continue;
    if (place != description.place) {
      place = description.place;
      group = new QTreeWidgetItem(links_, {linkPlaceTitle(description.place)});
      group->setFlags(Qt::ItemIsEnabled);
      group->setExpanded(true);
    }
    auto *item =
        new QTreeWidgetItem(group, {captionOf(control), link->address,
                                    actions_->preview(control).target, linkOriginText(*link)});
    item->setData(0, kControlRole, control);
    item->setToolTip(0, actions_->toolTip(control));
    item->setToolTip(1, link->address);
    item->setToolTip(2, item->text(2));
    if (control == selected)
      current = item;
  }
  links_->expandAll();
  for (int column = 0; column < links_->columnCount(); ++column)
    links_->resizeColumnToContents(column);
  // Long captions and addresses are cut; their cells' tooltips hold them whole.
  for (int column = 0; column < 3; ++column)
    links_->setColumnWidth(column, std::min(links_->columnWidth(column), 280));
  if (!current && links_->topLevelItemCount() > 0)
    current = links_->topLevelItem(0)->child(0);
  links_->setCurrentItem(current);

  problems_->clear();
  problems_->addItems(active.problems());
  if (active.problems().isEmpty())
    problems_->addItem(tr("No problems were found."));
  showSelectedLink();
}

void ResearchLinksWindow::followCompany() {
  for (QTreeWidgetItemIterator it(links_); *it; ++it) {
    const QString control = (*it)->data(0, kControlRole).toString();
    if (control.isEmpty())
      continue;
    const QString address = actions_->preview(control).target;
    (*it)->setText(2, address);
    (*it)->setToolTip(2, address);
    (*it)->setToolTip(0, actions_->toolTip(control));
  }
}

QString ResearchLinksWindow::selectedControl() const {
  const QTreeWidgetItem *item = links_ ? links_->currentItem() : nullptr;
  return item ? item->data(0, kControlRole).toString() : QString();
}

void ResearchLinksWindow::showSelectedLink() {
  const LinkTemplate *link = ActiveLinks::instance().catalogue().find(selectedControl());
  template_->setEnabled(link);
  template_->setText(link ? link->address : QString());
  reset_->setEnabled(link && link->source == LinkSource::OverrideFile &&
                     link->origin == ActiveLinks::instance().paths().userFile);
  checkTemplate();
}

void ResearchLinksWindow::checkTemplate() {
  const LinkTemplate *link = ActiveLinks::instance().catalogue().find(selectedControl());
  if (!link) {
    verdict_->clear();
    save_->setEnabled(false);
    open_->setEnabled(false);
    return;
  }
  const QString typed = template_->text().trimmed();
  // The one in use may be the e-mail address of the contact label, which
  // no template may become.
  const bool inUse = typed == link->address;
  const QString wrong = inUse ? QString() : splitLinkAddress(typed, nullptr);
  if (inUse)
    verdict_->setText(tr("This is the template in use."));
  else if (!wrong.isEmpty())
    verdict_->setText(tr("This template is refused: %1.").arg(wrong));
  else
    verdict_->setText(tr("This template is accepted."));
  save_->setEnabled(!inUse && wrong.isEmpty());
  open_->setEnabled(wrong.isEmpty());
}

void ResearchLinksWindow::saveTemplate() {
  const QString control = selectedControl();
  const QString typed = template_->text().trimmed();
  if (control.isEmpty() || !splitLinkAddress(typed, nullptr).isEmpty())
    return;
  write(control, QStringLiteral("address"), typed);
}

void ResearchLinksWindow::resetLink() {
  const QString control = selectedControl();
  if (!control.isEmpty())
    write(control, QStringLiteral("address"), std::nullopt);
}

// Tries what is in the box, saved or not.
void ResearchLinksWindow::openLink() {
  const LinkTemplate *link = ActiveLinks::instance().catalogue().find(selectedControl());
  if (!link)
    return;
  const QString typed = template_->text().trimmed();
  actions_->openAddressOnly(link->control, typed == link->address ? QString() : typed);
}

void ResearchLinksWindow::switchTodaySet(bool on) {
  if (!write(QStringLiteral("settings"), QStringLiteral("today"),
             on ? QStringLiteral("on") : QStringLiteral("off"))) {
    const QSignalBlocker block(today_);
    today_->setChecked(!on);
  }
}

bool ResearchLinksWindow::write(const QString &group, const QString &key,
                                const std::optional<QString> &value) {
  const QString wrong =
      writeLinkFileValue(ActiveLinks::instance().paths().userFile, group, key, value);
  if (!wrong.isEmpty()) {
    dialogs_.message(wrong, tr("Research Links"), platform::MessageButtons::Ok,
                     platform::MessageIcon::Warning);
    return false;
  }
  ActiveLinks::instance().reload();
  return true;
}

} // namespace kelvo::app
