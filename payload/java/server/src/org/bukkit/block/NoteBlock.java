package org.bukkit.block;

import org.bukkit.Instrument;
import org.bukkit.Note;

/** A note block: the note it is tuned to, and playing it. */
public interface NoteBlock extends BlockState {
    Note getNote();

    @Deprecated
    byte getRawNote();

    void setNote(Note note);

    @Deprecated
    void setRawNote(byte note);

    /** Plays its note with the instrument of the block below; false when it cannot sound (not a note block). */
    boolean play();

    @Deprecated
    boolean play(byte instrument, byte note);

    boolean play(Instrument instrument, Note note);
}
