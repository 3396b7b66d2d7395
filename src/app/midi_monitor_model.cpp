#include "app/midi_monitor_model.h"

namespace app {

namespace {

// Wide enough for most lines in words, so that the bytes start in one column.
constexpr int kWordsWidth = 44;

} // namespace

MidiMonitorModel::MidiMonitorModel(midi::MonitorLog& log, QObject* parent)
    : QAbstractListModel(parent), log_(log), origin_(log.now()) {}

bool MidiMonitorModel::passes(const midi::MonitorLine& line) const {
    if (direction_ && line.direction != *direction_) return false;
    return !kind_ || midi::messageKindOf(line.bytes) == *kind_;
}

int MidiMonitorModel::takeNewLines() {
    auto fresh = log_.linesSince(next_);
    next_ = log_.nextSequence();
    std::erase_if(fresh, [this](const midi::MonitorLine& line) { return !passes(line); });
    if (fresh.empty()) return 0;
    // Only the newest lines stay: those that would be dropped at once are never inserted.
    if (fresh.size() > kKeptLines)
        fresh.erase(fresh.begin(), fresh.end() - static_cast<std::ptrdiff_t>(kKeptLines));
    const std::size_t overflow =
        lines_.size() + fresh.size() > kKeptLines ? lines_.size() + fresh.size() - kKeptLines : 0;
    if (overflow > 0) {
        beginRemoveRows({}, 0, static_cast<int>(overflow) - 1);
        lines_.erase(lines_.begin(), lines_.begin() + static_cast<std::ptrdiff_t>(overflow));
        endRemoveRows();
    }
    const int first = static_cast<int>(lines_.size());
    beginInsertRows({}, first, first + static_cast<int>(fresh.size()) - 1);
    for (auto& line : fresh) lines_.push_back(std::move(line));
    endInsertRows();
    return static_cast<int>(fresh.size());
}

void MidiMonitorModel::clear() {
    beginResetModel();
    lines_.clear();
    next_ = clearedAt_ = log_.nextSequence();
    endResetModel();
}

void MidiMonitorModel::setFilter(std::optional<midi::Direction> direction,
                                 std::optional<midi::MessageKind> kind) {
    // The log still holds the last messages: the new filter is applied to all of them.
    beginResetModel();
    direction_ = direction;
    kind_ = kind;
    lines_.clear();
    endResetModel();
    next_ = clearedAt_;
    takeNewLines();
}

QString MidiMonitorModel::lineText(int row) const {
    const auto& line = lines_.at(static_cast<std::size_t>(row));
    const auto ms = (line.time - origin_).count();
    // The words come before the bytes: a dump's bytes run far beyond the window's edge.
    return QStringLiteral("%1 ms  %2  %3  %4")
        .arg(ms, 9)
        .arg(line.direction == midi::Direction::Out ? QStringLiteral("Out") : QStringLiteral("In "))
        .arg(QString::fromStdString(midi::describeMessage(line.bytes)), -kWordsWidth)
        .arg(QString::fromStdString(midi::hexBytes(line.bytes)));
}

int MidiMonitorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant MidiMonitorModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    return lineText(index.row());
}

} // namespace app
