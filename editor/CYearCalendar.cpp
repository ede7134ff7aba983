// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor/CYearCalendar.h"

#include "core/LocaleNames.h"
#include "core/RegionalFormat.h"
#include "core/ShownText.h"

#include <QBuffer>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kColumns = 4;   // months across
constexpr int kRows = 3;      // months down
constexpr int kWeekRows = 6;  // the most weeks a month touches
// A month's box in cells: seven days across; its name, the weekday names and
// six weeks down, and a cell of space around.
constexpr qreal kBoxWidth = 8;
constexpr qreal kBoxHeight = 9;

}  // namespace

struct CYearCalendarPicture::CLayout {
    QPointF origin;  // top left of the grid of months
    qreal cell = 0;  // a day cell's side
};

CYearCalendarPicture::CYearCalendarPicture(int calendarYear, const std::vector<CPreviewEntry>& entries,
                                           const CCodePage& codePage)
    : year(calendarYear), firstDayOfWeek(UserFirstDayOfWeek()) {
    for (const CPreviewEntry& entry : entries) {
        if (entry.date.GetYear() == year) {
            holidays[static_cast<std::size_t>(entry.date.GetDayOfYear())]
                << QString::fromStdString(ShowText(codePage, entry.display));
        }
    }
}

CYearCalendarPicture::CLayout CYearCalendarPicture::LayoutIn(const QRectF& area) const {
    const qreal cell = std::min(area.width() / (kColumns * kBoxWidth), area.height() / (kRows * kBoxHeight));
    const QSizeF used(cell * kColumns * kBoxWidth, cell * kRows * kBoxHeight);
    return {area.center() - QPointF(used.width() / 2, used.height() / 2), cell};
}

QRectF CYearCalendarPicture::CellOf(const CLayout& layout, int month, int day) const {
    const int firstColumn = (CDateTime::GetDayOfWeek(year, month, 1) - firstDayOfWeek + 7) % 7;
    const int position = firstColumn + day - 1;
    const QPointF box = layout.origin + QPointF(((month - 1) % kColumns) * kBoxWidth * layout.cell,
                                                ((month - 1) / kColumns) * kBoxHeight * layout.cell);
    // Half a cell of space to the left; the name and the weekdays above.
    return {box + QPointF((0.5 + position % 7) * layout.cell, (2.5 + position / 7) * layout.cell),
            QSizeF(layout.cell, layout.cell)};
}

void CYearCalendarPicture::Paint(QPainter& painter, const QRectF& area, const QPalette& palette) const {
    const CLayout layout = LayoutIn(area);
    if (year < 1 || layout.cell <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(layout.cell * 0.55)));
    QFont bold = font;
    bold.setBold(true);
    const ILocaleNames& names = CurrentLocaleNames();
    for (int month = 1; month <= 12; ++month) {
        // The month's name over its first week, the weekday names under it.
        const QRectF first = CellOf(layout, month, 1);
        const QPointF box(
            first.left() - ((CDateTime::GetDayOfWeek(year, month, 1) - firstDayOfWeek + 7) % 7) * layout.cell,
            first.top() - 2 * layout.cell);
        painter.setPen(palette.color(QPalette::WindowText));
        painter.setFont(bold);
        painter.drawText(QRectF(box, QSizeF(7 * layout.cell, layout.cell)), Qt::AlignCenter,
                         QString::fromStdString(names.MonthName(month)));
        painter.setFont(font);
        for (int column = 0; column < 7; ++column) {
            const int weekday = (firstDayOfWeek + column) % 7;
            painter.drawText(QRectF(box + QPointF(column * layout.cell, layout.cell), QSizeF(layout.cell, layout.cell)),
                             Qt::AlignCenter, QString::fromStdString(names.AbbreviatedDayName(weekday)).left(2));
        }
        for (int day = 1; day <= CDateTime::GetDaysInMonth(year, month); ++day) {
            const QRectF cell = CellOf(layout, month, day);
            const bool marked =
                !holidays[static_cast<std::size_t>(CDateTime::GetDayOfYear(year, month, day))].isEmpty();
            if (marked) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(palette.color(QPalette::Highlight));
                painter.drawEllipse(cell.adjusted(1, 1, -1, -1));
            }
            painter.setPen(palette.color(marked ? QPalette::HighlightedText : QPalette::WindowText));
            painter.setFont(marked ? bold : font);
            painter.drawText(cell, Qt::AlignCenter, QString::number(day));
        }
    }
    painter.restore();
}

std::optional<CDateTime> CYearCalendarPicture::DayAt(const QRectF& area, QPointF point) const {
    const CLayout layout = LayoutIn(area);
    if (year < 1 || layout.cell <= 0) {
        return std::nullopt;
    }
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= CDateTime::GetDaysInMonth(year, month); ++day) {
            if (CellOf(layout, month, day).contains(point)) {
                return CDateTime(year, month, day);
            }
        }
    }
    return std::nullopt;
}

QRectF CYearCalendarPicture::CellOfDay(const QRectF& area, const CDateTime& date) const {
    return CellOf(LayoutIn(area), date.GetMonth(), date.GetDay());
}

QStringList CYearCalendarPicture::HolidaysOn(const CDateTime& date) const {
    return date.GetYear() == year ? holidays[static_cast<std::size_t>(date.GetDayOfYear())] : QStringList();
}

std::vector<CDateTime> CYearCalendarPicture::MarkedDays() const {
    std::vector<CDateTime> days;
    for (int month = 1; month <= 12 && year >= 1; ++month) {
        for (int day = 1; day <= CDateTime::GetDaysInMonth(year, month); ++day) {
            if (!holidays[static_cast<std::size_t>(CDateTime::GetDayOfYear(year, month, day))].isEmpty()) {
                days.emplace_back(year, month, day);
            }
        }
    }
    return days;
}

CYearCalendarView::CYearCalendarView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(480, 360);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void CYearCalendarView::SetPicture(CYearCalendarPicture newPicture) {
    picture = std::move(newPicture);
    update();
}

void CYearCalendarView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    picture.Paint(painter, rect(), palette());
}

bool CYearCalendarView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const std::optional<CDateTime> day = picture.DayAt(rect(), help->pos());
        const QStringList holidays = day ? picture.HolidaysOn(*day) : QStringList();
        if (holidays.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(),
                               QString::fromStdString(day->Format("%a %d %b")) + '\n' + holidays.join(u'\n'), this);
        }
        return true;
    }
    return QWidget::event(event);
}

void CYearCalendarView::mousePressEvent(QMouseEvent* event) {
    if (const std::optional<CDateTime> day = picture.DayAt(rect(), event->position())) {
        emit DayChosen(*day);
    }
}

std::string YearCalendarPdf(const CYearCalendarPicture& picture, const QString& title) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                                         QPageLayout::Millimeter));
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Tavrin"));
        QPainter painter(&writer);
        const QRectF page(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        QFont font = painter.font();
        font.setPixelSize(static_cast<int>(page.height() / 24));
        font.setBold(true);
        painter.setFont(font);
        const QRectF heading(page.topLeft(), QSizeF(page.width(), page.height() / 12));
        painter.drawText(heading, Qt::AlignCenter, title);
        QPalette print;
        print.setColor(QPalette::WindowText, Qt::black);
        print.setColor(QPalette::Highlight, QColor(0xC0, 0x30, 0x30));
        print.setColor(QPalette::HighlightedText, Qt::white);
        picture.Paint(painter, page.adjusted(0, heading.height(), 0, 0), print);
    }
    return pdf.data().toStdString();
}
