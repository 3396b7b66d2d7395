#pragma once
// The lines the MIDI monitor lists: the newest messages from the log that pass the
// direction and kind filters. Lines are kept as raw bytes; a line is put into words only
// when the view asks for it.

#include "midi/message_words.h"
#include "midi/monitor_log.h"

#include <QAbstractListModel>

#include <deque>
#include <optional>

namespace app {

class MidiMonitorModel final : public QAbstractListModel {
  public:
    static constexpr std::size_t kKeptLines = 10000;

    MidiMonitorModel(midi::MonitorLog& log, QObject* parent = nullptr);

    // Times are shown as milliseconds since this moment on the log's clock.
    void setOrigin(midi::Millis origin) { origin_ = origin; }
    midi::Millis logTime() const { return log_.now(); }
    // Takes the lines recorded since the last call. Returns how many were added.
    int takeNewLines();
    // Forgets the listed lines; later messages appear again.
    void clear();
    // No value: every direction or kind.
    void setFilter(std::optional<midi::Direction> direction, std::optional<midi::MessageKind> kind);

    // Time, direction, words and bytes: "     1234 ms  Out  Note On ch 1 60 v 63 ...  90 3C 3F".
    QString lineText(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    bool passes(const midi::MonitorLine& line) const;

    midi::MonitorLog& log_;
    std::uint64_t next_ = 0;
    std::uint64_t clearedAt_ = 0; // lines before it stay away whatever the filter
    midi::Millis origin_{0};
    std::deque<midi::MonitorLine> lines_;
    std::optional<midi::Direction> direction_;
    std::optional<midi::MessageKind> kind_;
};

} // namespace app
