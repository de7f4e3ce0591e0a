package org.bukkit;

/**
 * A note a note block can play: 25 semitones from F sharp (0) over two octaves to F sharp (24),
 * the pitch number a note block keeps.
 */
public class Note {
    private static final int TONES_COUNT = 12;
    private static final int HIGHEST = 24;

    /** The seven natural tones, by the pitch number of the natural in the lowest octave. */
    public enum Tone {
        G(1, true), A(3, true), B(5, false), C(6, true), D(8, true), E(10, false), F(11, true);

        private static final Tone[] BY_PITCH = new Tone[TONES_COUNT];

        static {
            for (Tone t : values()) {
                BY_PITCH[t.id] = t;
                if (t.sharpable) {
                    BY_PITCH[t.getId(true)] = t;
                }
            }
        }

        private final int id;
        private final boolean sharpable;

        Tone(int id, boolean sharpable) {
            this.id = id;
            this.sharpable = sharpable;
        }

        /** The pitch number of the natural tone within an octave. */
        @Deprecated
        public byte getId() {
            return getId(false);
        }

        /** The pitch number within an octave, natural or sharp (F sharp wraps to 0). */
        @Deprecated
        public byte getId(boolean sharped) {
            int pitch = id + (sharped && sharpable ? 1 : 0);
            return (byte) (pitch % TONES_COUNT);
        }

        /** Whether the tone has a sharp (B and E do not). */
        public boolean isSharpable() {
            return sharpable;
        }

        /** Whether a pitch number within an octave is this tone's sharp. */
        @Deprecated
        public boolean isSharped(byte id) {
            if (id == getId(false)) {
                return false;
            }
            if (sharpable && id == getId(true)) {
                return true;
            }
            throw new IllegalArgumentException("pitch " + id + " is not " + this + " nor its sharp");
        }

        /** The tone of a pitch number within an octave (0 to 11), sharps giving their natural. */
        @Deprecated
        public static Tone getById(byte id) {
            if (id < 0 || id >= TONES_COUNT) {
                return null;
            }
            return BY_PITCH[id];
        }
    }

    private final byte note;

    /** The note of a pitch number, 0 to 24. */
    public Note(int note) {
        if (note < 0 || note > HIGHEST) {
            throw new IllegalArgumentException("pitch " + note + " is outside 0 to " + HIGHEST);
        }
        this.note = (byte) note;
    }

    /**
     * The note of a tone in an octave (0 to 2; the third octave has F sharp only). B sharp and E
     * sharp are C and F.
     */
    public Note(int octave, Tone tone, boolean sharped) {
        if (sharped && !tone.isSharpable()) {
            tone = Tone.values()[tone.ordinal() + 1];
            sharped = false;
        }
        if (octave < 0 || octave > 2 || (octave == 2 && !(tone == Tone.F && sharped))) {
            throw new IllegalArgumentException("octave " + octave + " has no " + tone + (sharped ? "#" : ""));
        }
        this.note = (byte) (octave * TONES_COUNT + tone.getId(sharped));
    }

    public static Note flat(int octave, Tone tone) {
        return new Note(natural(octave, tone).note - 1);
    }

    public static Note sharp(int octave, Tone tone) {
        return new Note(octave, tone, true);
    }

    public static Note natural(int octave, Tone tone) {
        if (octave == 2) {
            throw new IllegalArgumentException("octave 2 has F sharp only");
        }
        return new Note(octave, tone, false);
    }

    /** The note a semitone up. */
    public Note sharped() {
        return new Note(note + 1);
    }

    /** The note a semitone down. */
    public Note flattened() {
        return new Note(note - 1);
    }

    /** The pitch number, 0 to 24. */
    @Deprecated
    public byte getId() {
        return note;
    }

    public int getOctave() {
        return note / TONES_COUNT;
    }

    private byte toneByte() {
        return (byte) (note % TONES_COUNT);
    }

    public Tone getTone() {
        return Tone.getById(toneByte());
    }

    public boolean isSharped() {
        return getTone().isSharped(toneByte());
    }

    @Override
    public int hashCode() {
        return note;
    }

    @Override
    public boolean equals(Object obj) {
        return obj instanceof Note && ((Note) obj).note == note;
    }

    @Override
    public String toString() {
        return "Note{" + getTone() + (isSharped() ? "#" : "") + ", octave " + getOctave() + "}";
    }
}
