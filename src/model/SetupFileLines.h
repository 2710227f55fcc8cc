#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace model {

// The lines of a set-up file that a reader uses, taken from the file in one bounded pass:
// at most the first 86 lines of at most kMaxLineBytes each, so neither a huge file nor one
// without line breaks costs more than a little memory. Lines end with CR LF, LF or CR.
// Each line is UTF-8 (a leading byte-order mark is dropped), or Windows-1252 when its bytes
// are not valid UTF-8.
class SetupFileLines {
  public:
    // Why the lines stop before line 86.
    enum class Stop { None, EndOfFile, LineTooLong, Error };

    static SetupFileLines read(const QString& path);
    static SetupFileLines fromBytes(const QByteArray& bytes);

    int count() const { return static_cast<int>(lines_.size()); }
    // Line `number` (1-based), which must be at most count().
    const QString& line(int number) const { return lines_[number - 1]; }

    Stop stop() const { return stop_; }
    // What a reader that wants line count() + 1 reports: the end of the file, the over-long
    // line, or the platform's description of an open or read error.
    QString stopDescription() const;

  private:
    template <typename NextLine>
    static SetupFileLines collect(NextLine nextLine);

    QStringList lines_;
    Stop stop_ = Stop::None;
    QString error_;
};

}  // namespace model
