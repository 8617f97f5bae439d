#include "notes_writers/midi_writer.h"

#include <algorithm>

#include "notes/performance.h"

namespace strumix {

namespace {

void put_quantity(QByteArray& out, quint32 value) {
    // Seven bits a byte, the highest first, every byte but the last with its top bit set.
    quint8 bytes[5];
    int count = 0;
    do {
        bytes[count++] = quint8(value & 0x7f);
        value >>= 7;
    } while (value != 0);
    while (count > 0) {
        const quint8 byte = bytes[--count];
        out.append(char(count > 0 ? byte | 0x80 : byte));
    }
}

void put_be(QByteArray& out, quint32 value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.append(char((value >> (8 * i)) & 0xff));
}

class Track {
public:
    void event(int tick, std::initializer_list<int> bytes) {
        put_quantity(data_, quint32(std::max(0, tick - last_)));
        last_ = std::max(last_, tick);
        for (int byte : bytes) data_.append(char(byte));
    }
    void meta(int tick, int type, const QByteArray& payload) {
        put_quantity(data_, quint32(std::max(0, tick - last_)));
        last_ = std::max(last_, tick);
        data_.append(char(0xff));
        data_.append(char(type));
        put_quantity(data_, quint32(payload.size()));
        data_.append(payload);
    }
    QByteArray chunk(int end_tick) {
        meta(std::max(end_tick, last_), 0x2f, QByteArray());
        QByteArray out("MTrk");
        put_be(out, quint32(data_.size()), 4);
        return out + data_;
    }

private:
    QByteArray data_;
    int last_ = 0;
};

QByteArray name_bytes(const QString& name) { return name.toLatin1(); }

}  // namespace

QByteArray standard_midi_file(const PageNotes& notes, const QString& title, int beats_per_minute,
                              const std::vector<StaffInstrument>& instruments) {
    const Performance performance = perform(notes, instruments);
    const LayoutModel& layout = notes.layout;
    QByteArray out("MThd");
    put_be(out, 6, 4);
    put_be(out, 1, 2);
    put_be(out, quint32(1 + performance.staffs.size()), 2);
    put_be(out, kTicksPerQuarter, 2);

    Track conductor;
    conductor.meta(0, 0x03, name_bytes(title.isEmpty() ? QStringLiteral("Strumix") : title));
    QByteArray tempo;
    put_be(tempo, quint32(60000000 / std::clamp(beats_per_minute, 20, 400)), 3);
    conductor.meta(0, 0x51, tempo);
    const Meter& meter = performance.meter;
    int power = 0;
    while ((1 << power) < meter.denominator) ++power;
    QByteArray signature;
    signature.append(char(meter.numerator));
    signature.append(char(power));
    signature.append(char(24));  // MIDI clocks to a metronome click
    signature.append(char(8));   // thirty-seconds to a quarter
    conductor.meta(0, 0x58, signature);
    out += conductor.chunk(performance.end_tick);

    for (std::size_t staff = 0; staff < performance.staffs.size(); ++staff) {
        Track track;
        QString caption = layout.line_props[staff].caption.trimmed();
        if (caption.isEmpty()) caption = QStringLiteral("Staff %1").arg(staff + 1);
        track.meta(0, 0x03, name_bytes(caption));
        for (const PlayedEvent& e : performance.staffs[staff]) {
            const int channel = staff_channel(int(staff), e.muted);
            switch (e.kind) {
                case PlayedEvent::Kind::Program:
                    track.event(e.tick, {0xc0 | channel, e.a});
                    break;
                case PlayedEvent::Kind::Controller:
                    track.event(e.tick, {0xb0 | channel, e.a, e.b});
                    break;
                case PlayedEvent::Kind::PitchBend:
                    track.event(e.tick, {0xe0 | channel, e.a & 0x7f, (e.a >> 7) & 0x7f});
                    break;
                case PlayedEvent::Kind::NoteOff:
                    track.event(e.tick, {0x80 | channel, e.a, 0});
                    break;
                case PlayedEvent::Kind::NoteOn:
                    track.event(e.tick, {0x90 | channel, e.a, e.b});
                    break;
            }
        }
        out += track.chunk(performance.end_tick);
    }
    return out;
}

}  // namespace strumix
