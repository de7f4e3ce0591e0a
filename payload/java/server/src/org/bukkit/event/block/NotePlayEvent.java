package org.bukkit.event.block;

import org.bukkit.Instrument;
import org.bukkit.Note;
import org.bukkit.block.Block;
import org.bukkit.event.Cancellable;
import org.bukkit.event.HandlerList;

/**
 * A note block plays a note; instrument and note may be changed.
 */
public class NotePlayEvent extends BlockEvent implements Cancellable {
    private static final HandlerList handlers = new HandlerList();
    private Instrument instrument;
    private Note note;
    private boolean cancelled;

    public NotePlayEvent(final Block block, final Instrument instrument, final Note note) {
        super(block);
        this.instrument = instrument;
        this.note = note;
    }

    public Instrument getInstrument() {
        return instrument;
    }

    public void setInstrument(final Instrument instrument) {
        this.instrument = instrument;
    }

    public Note getNote() {
        return note;
    }

    public void setNote(final Note note) {
        this.note = note;
    }

    public boolean isCancelled() {
        return cancelled;
    }

    public void setCancelled(final boolean cancel) {
        cancelled = cancel;
    }

    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
