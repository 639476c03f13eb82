#pragma once

#include <array>

#include <QIcon>
#include <QList>
#include <QTabWidget>

#include "Names.h"

class TTabRows;

// The page control of the fourteen tab sheets, addressed by their position j
// in TabSheetNames whatever order and visibility the settings give them. A
// hidden sheet can still be made the active one from code.
class TPageControlList final : public QTabWidget {
    Q_OBJECT
public:
    // The fourteen sheets (TabSheetNames), without captions and empty until
    // they are filled.
    explicit TPageControlList(QWidget* parent = nullptr);

    // Puts the content on sheet j, once.
    void FillSheet(int j, QWidget* content);
    QWidget* Sheet(int j) const { return Sheets.at(size_t(j)); }

    // Position of the active sheet; -1 when none.
    int ActiveSheet() const;
    void ActivateSheet(int j);

    // The plain caption, and the caption as shown (with the news mark). Setting
    // the caption takes the "(*)" away until the next SetNews.
    void SetCaption(int j, const QString& caption);
    QString Caption(int j) const { return Captions.at(size_t(j)); }
    QString ShownCaption(int j) const;

    // News changes the picture to the one with "!" and, with sign, appends "(*)".
    void SetNews(int j, bool news, bool sign);
    // Index into ImageListTabIcon of the sheet's current picture.
    int PictureIndex(int j) const;
    // The tab pictures, or none (an empty list) when tabs show no pictures.
    void SetPictures(QList<QIcon> pictures);

    void SetSheetVisible(int j, bool visible);
    bool IsSheetVisible(int j) const;
    // Arranges the sheets by ascending key; equal keys keep TabSheetNames order.
    void ArrangeSheets(const std::array<int, TabCount>& keys);
    // Wraps the tabs into as many rows as their captions need instead of
    // scrolling them in one row. Once, at start-up.
    void SetMultiLine();

    QSize minimumSizeHint() const override;

signals:
    // The active sheet changed by a click on the tab strip or from code.
    void SheetChanged(int j);

protected:
    bool event(QEvent* event) override;
    void initStyleOption(QStyleOptionTabWidgetFrame* option) const override;

private:
    void UpdateTab(int j);
    // The rows take the place of the one-row bar, above the pages.
    void PlaceRows();
    void SyncRows();
    // A screen reader announces a sheet's list by the caption of its tab.
    void NameList(int j);

    std::array<QWidget*, TabCount> Sheets{};
    std::array<QString, TabCount> Captions;
    std::array<bool, TabCount> News{};
    std::array<bool, TabCount> Signed{};
    std::array<int, TabCount> ShownPictures{}; // -1: none shown
    QList<QIcon> Pictures;
    TTabRows* Rows = nullptr; // only with several rows
};
