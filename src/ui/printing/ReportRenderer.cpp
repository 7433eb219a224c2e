#include "ui/printing/ReportRenderer.h"

#include "ui/printing/BarChart.h"

#include <QChart>
#include <QFont>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Reports are drawn in their own family, not the screens' Noto Sans CJK SC,
// because of the text layer of a PDF: it maps each glyph back to a single
// character, and Qt picks the lowest code point the font gives that glyph.
// Noto Sans CJK draws the Kangxi radicals (U+2F00 on) with the glyphs of
// 日, 用, 金, 香 and some two hundred other common ideographs, so a PDF read
// back "06⽇" and a search for "金额" found nothing. WenQuanYi Micro Hei gives
// every GBK character a glyph of its own.
QFont printFont()
{
    return QFont(QStringLiteral("WenQuanYi Micro Hei"));
}

QString labelText(const ReportLabel& label)
{
    return label.prompt + label.caption;
}

Qt::Alignment alignment(ReportColumn::Align align)
{
    switch (align) {
    case ReportColumn::Align::Centre:
        return Qt::AlignHCenter;
    case ReportColumn::Align::Right:
        return Qt::AlignRight;
    case ReportColumn::Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// Writes down the page from the top, one block after another, and turns to
// a new page when the next block no longer fits.
class PageWriter
{
public:
    PageWriter(QPainter& painter, QPagedPaintDevice& device)
        : m_painter(painter)
        , m_device(device)
        , m_width(device.width())
        , m_height(device.height())
    {}

    void text(const QString& text, const QFont& font, Qt::Alignment align)
    {
        m_painter.setFont(font);
        const int flags = int(align) | Qt::TextWordWrap;
        const QRect needed =
            m_painter.boundingRect(QRect(0, 0, m_width, std::numeric_limits<int>::max() / 2), flags, text);
        const int height = std::max(needed.height(), m_painter.fontMetrics().lineSpacing());
        if (!fits(height))
            newPage();
        m_painter.drawText(QRect(0, m_y, m_width, height), flags, text);
        m_y += height;
    }

    void gap(const QFont& font) { m_y += QFontMetrics(font, &m_device).lineSpacing() / 2; }

    void table(const ReportDocument& report, const QFont& body, const QFont& bold)
    {
        const int rowHeight = QFontMetrics(bold, &m_device).lineSpacing();
        QStringList captions;
        for (const ReportColumn& column : report.columns)
            captions.append(column.caption);
        const auto heading = [&] {
            row(report.columns, captions, bold, rowHeight);
            rule(rowHeight);
        };

        if (!fits(3 * rowHeight))
            newPage();
        heading();
        for (const QStringList& cells : report.rows) {
            if (!fits(rowHeight)) {
                newPage();
                heading();
            }
            row(report.columns, cells, body, rowHeight);
        }
        if (report.totals.isEmpty())
            return;
        if (!fits(2 * rowHeight)) {
            newPage();
            heading();
        }
        rule(rowHeight);
        row(report.columns, report.totals, bold, rowHeight);
    }

    // The chart is laid out in a scene of a fixed size, its texts sized in
    // the scene's units to match `font` on the page, and then scaled onto the
    // page: the layout does not depend on the device's resolution, and its
    // texts stay text in a PDF.
    void chart(const ReportChart& data, const QFont& font)
    {
        constexpr qreal SceneWidth = 900;
        const QSizeF sceneSize(SceneWidth, SceneWidth / 2);
        const int height = m_width / 2;
        if (!fits(height))
            newPage();

        QFont sceneFont(font);
        const qreal devicePixels = font.pointSizeF() * m_device.logicalDpiY() / 72.0;
        sceneFont.setPixelSize(std::max(1, qRound(devicePixels * SceneWidth / m_width)));
        QGraphicsScene scene;
        QChart* chart = makeBarChart(data, sceneFont);
        scene.addItem(chart);
        chart->setGeometry(QRectF(QPointF(), sceneSize));
        scene.setSceneRect(QRectF(QPointF(), sceneSize));
        scene.render(&m_painter, QRectF(0, m_y, m_width, height), scene.sceneRect(), Qt::KeepAspectRatio);
        m_y += height;
    }

private:
    bool fits(int height) const { return m_y == 0 || m_y + height <= m_height; }

    void newPage()
    {
        m_device.newPage();
        m_y = 0;
    }

    void row(const QList<ReportColumn>& columns, const QStringList& cells, const QFont& font, int height)
    {
        m_painter.setFont(font);
        const int padding = height / 4;
        int total = 0;
        for (const ReportColumn& column : columns)
            total += std::max(1, column.width);
        int used = 0;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const int left = m_width * used / total;
            used += std::max(1, columns.at(i).width);
            const int right = m_width * used / total;
            const QRect cell(left + padding, m_y, right - left - 2 * padding, height);
            const QString text = i < cells.size() ? cells.at(i) : QString();
            m_painter.drawText(cell, int(alignment(columns.at(i).align) | Qt::AlignVCenter),
                               m_painter.fontMetrics().elidedText(text, Qt::ElideRight, cell.width()));
        }
        m_y += height;
    }

    void rule(int rowHeight)
    {
        m_painter.save();
        m_painter.setPen(QPen(Qt::black, std::max(1, rowHeight / 16)));
        m_painter.drawLine(0, m_y + rowHeight / 8, m_width, m_y + rowHeight / 8);
        m_painter.restore();
        m_y += rowHeight / 4;
    }

    QPainter& m_painter;
    QPagedPaintDevice& m_device;
    int m_width;
    int m_height;
    int m_y = 0;
};

} // namespace

ReportRenderer::ReportRenderer(ReportDocument document)
    : m_document(std::move(document))
{}

bool ReportRenderer::render(QPagedPaintDevice* device) const
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    painter.setPen(Qt::black);

    QFont body = printFont();
    body.setPointSizeF(m_document.pointSize);
    QFont bold(body);
    bold.setBold(true);
    QFont title(bold);
    title.setPointSizeF(m_document.pointSize * 1.4);

    PageWriter page(painter, *device);
    const QString heading = labelText(m_document.title);
    if (!heading.isEmpty()) {
        page.text(heading, title, Qt::AlignHCenter);
        page.gap(body);
    }
    for (const ReportLabel& label : m_document.header)
        page.text(labelText(label), body, Qt::AlignLeft);
    if (!m_document.columns.isEmpty()) {
        page.gap(body);
        page.table(m_document, body, bold);
    }
    if (!m_document.footer.isEmpty())
        page.gap(body);
    for (const ReportLabel& label : m_document.footer)
        page.text(labelText(label), body, Qt::AlignLeft);
    if (!m_document.chart.bars.isEmpty()) {
        page.gap(body);
        page.chart(m_document.chart, body);
    }
    return painter.end();
}

QPageLayout::Orientation ReportRenderer::orientation() const
{
    return m_document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

bool ReportRenderer::writePdf(const QString& fileName) const
{
    QPdfWriter writer(fileName);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(orientation());
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    writer.setTitle(m_document.name);
    writer.setCreator(QStringLiteral("Tavoro"));
    return render(&writer);
}
