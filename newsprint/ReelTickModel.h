#pragma once
#include "ReelTransferStore.h"
#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// The tick list of reels: 14 columns, a number of grid rows of which the first
// ones hold reels and the rest stay empty, and per row a tick text ("1" not
// ticked, a text reading as 0 ticked; empty on a row nobody wrote into). The
// vertical header carries each reel row's tick picture.
class ReelTickModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        ColSlNo = 0,
        ColReelNo = 1,
        ColGsm = 2,
        ColReelType = 3,
        ColWeight = 4,
        ColRate = 5,
        ColAmount = 6,
        ColGsmCode = 7,
        ColReelTypeCode = 8,
        ColUnitName = 9,
        ColTick = 10,
        ColUnitCode = 11,
        ColInvoiceSlNo = 12,
        ColTransId = 13,
        ColumnCount = 14
    };
    static const QStringList &headings();

    explicit ReelTickModel(QObject *parent = nullptr);

    // The reels, unticked, in `minRows` grid rows at least.
    void reset(QList<ReelRow> reels, int minRows);
    // Empty rows only; the first `numbered` carry their number in column 0.
    void clear(int rows, int numbered = 0);

    int reelCount() const { return int(m_reels.size()); }
    const ReelRow &reel(int row) const { return m_reels.at(row); }
    // The cell's text as the clerk sees it; rows and columns from 0.
    QString text(int row, int column) const;

    QString tickText(int row) const { return m_ticks.value(row); }
    // A written tick that reads as 0.
    bool isTicked(int row) const;
    // Flips a written tick; an empty one stays empty. False when nothing changed.
    bool toggle(int row);
    // Writes every row's tick, the empty rows included.
    void setAllTicks(bool ticked);
    // The destination shown and carried for one reel row.
    void setDestination(int row, const QString &unitCode, const QString &unitName);

    // The picture beside a row: 12 plus its tick value for a reel row, 0 for none.
    int pictureIndex(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void picturesChanged(int first, int last);
    QVector<ReelRow> m_reels;
    QVector<QString> m_ticks;
    int m_rows = 0;
    int m_numbered = 0;
};
