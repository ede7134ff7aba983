// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/CDateTime.h"
#include "core/CodePage.h"
#include "model/PreviewReport.h"

#include <QPalette>
#include <QRectF>
#include <QStringList>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QPainter;

// The twelve months of a year as small month grids, four across and three
// down: weeks starting on the user's first day of the week, month and
// weekday names of the user's regional format, the days with holidays
// marked. The same picture is painted on screen and into a PDF.
class CYearCalendarPicture {
public:
    CYearCalendarPicture() = default;
    // The holidays of the year as the preview lists them, their display
    // texts shown in the code page.
    CYearCalendarPicture(int year, const std::vector<CPreviewEntry>& entries, const CCodePage& codePage);

    int Year() const { return year; }
    void Paint(QPainter& painter, const QRectF& area, const QPalette& palette) const;
    // The day whose cell lies at the point of the painted area, if any, and
    // the cell of a day of the year.
    std::optional<CDateTime> DayAt(const QRectF& area, QPointF point) const;
    QRectF CellOfDay(const QRectF& area, const CDateTime& date) const;
    // The display texts of the holidays of a day, in preview order.
    QStringList HolidaysOn(const CDateTime& date) const;
    // The days with holidays, in order.
    std::vector<CDateTime> MarkedDays() const;

private:
    struct CLayout;
    CLayout LayoutIn(const QRectF& area) const;
    // The cell of the day (1..31) of the month (1..12).
    QRectF CellOf(const CLayout& layout, int month, int day) const;

    int year = 0;
    int firstDayOfWeek = 0;                 // 0 = Monday ... 6 = Sunday
    std::array<QStringList, 367> holidays;  // by day of the year, 1..366
};

// The year calendar on screen: a tooltip lists the holidays of a day, a
// click on a day asks for its first holiday (DayChosen).
class CYearCalendarView : public QWidget {
    Q_OBJECT

public:
    explicit CYearCalendarView(QWidget* parent = nullptr);

    void SetPicture(CYearCalendarPicture newPicture);
    const CYearCalendarPicture& Picture() const { return picture; }

signals:
    void DayChosen(const CDateTime& date);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    CYearCalendarPicture picture;
};

// The one-page A4 landscape PDF of the picture, with a title, as bytes.
std::string YearCalendarPdf(const CYearCalendarPicture& picture, const QString& title);
