#include "ListEditor.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "Names.h"
#include "PrefsControls.h"

TListEditor::TListEditor(const TListEditorNames& names, int i, const QString& caption)
    : Label(names.Label.isEmpty() ? nullptr : MakeEdit(names.Label + IndexSuffix(i))),
      List(new QListWidget), Entry(MakeEdit(names.Entry + IndexSuffix(i))),
      Add(new QPushButton(QStringLiteral("追加"))), Del(new QPushButton(QStringLiteral("削除"))),
      Popup(names.Popup.isEmpty() ? nullptr : new QCheckBox(QStringLiteral("ポップアップする"))) {
    const QString suffix = IndexSuffix(i);
    auto* layout = new QVBoxLayout(this);
    if (Label)
        layout->addLayout(Row({new QLabel(QStringLiteral("タブ名：")), Label}));
    List->setObjectName(names.List + suffix);
    List->setAccessibleName(caption);
    layout->addWidget(List);
    Entry->setAccessibleName(caption + QStringLiteral("に追加する項目"));
    Add->setObjectName(names.Add + suffix);
    Del->setObjectName(names.Del + suffix);
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(Entry, 1);
    entryRow->addWidget(Add);
    entryRow->addWidget(Del);
    layout->addLayout(entryRow);
    if (Popup) {
        Popup->setObjectName(names.Popup + suffix);
        layout->addWidget(Popup);
    }
    connect(Add, &QPushButton::clicked, this, &TListEditor::AddEntry);
    connect(Del, &QPushButton::clicked, this, &TListEditor::DeleteEntry);
    connect(Entry, &QLineEdit::textChanged, this, &TListEditor::UpdateButtons);
    connect(List, &QListWidget::itemSelectionChanged, this, &TListEditor::UpdateButtons);
}

QStringList TListEditor::Entries() const {
    QStringList entries;
    for (int k = 0; k < List->count(); ++k)
        entries.append(List->item(k)->text());
    return entries;
}

void TListEditor::SetEntries(const QStringList& entries) {
    List->clear();
    List->addItems(entries);
}

bool TListEditor::Contains(const QString& text) const {
    return Entries().contains(text, Qt::CaseSensitive);
}

void TListEditor::UpdateButtons() {
    if (!Label)
        return;
    Del->setEnabled(!List->selectedItems().isEmpty());
    Add->setEnabled(!Entry->text().isEmpty());
}

void TListEditor::AddEntry() {
    const QString text = Entry->text();
    if (text.isEmpty() || Contains(text))
        return;
    List->addItem(text);
    Entry->clear();
    Entry->setFocus();
}

void TListEditor::DeleteEntry() {
    const QList<QListWidgetItem*> selected = List->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.first();
    UpdateButtons();
}
