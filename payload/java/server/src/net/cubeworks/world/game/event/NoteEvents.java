package net.cubeworks.world.game.event;

import org.bukkit.Instrument;
import org.bukkit.Note;
import org.bukkit.World;
import org.bukkit.event.block.NotePlayEvent;

import net.cubeworks.world.game.thread.GameHost;

/** The plugins' say in note blocks: a note about to play (NotePlayEvent), which they may stop or change. */
public final class NoteEvents {
    private NoteEvents() {
    }

    /**
     * The instrument (0 to 4) and pitch (0 to 24) the note block at the place plays: as given, or
     * as a plugin changed them; null when a plugin stopped it.
     */
    public static int[] play(GameHost host, World api, int x, int y, int z, int instrument, int note) {
        if (NotePlayEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return new int[] {instrument, note};
        }
        Instrument i = Instrument.getByType((byte) instrument);
        NotePlayEvent event = new NotePlayEvent(api.getBlockAt(x, y, z), i != null ? i : Instrument.PIANO, new Note(note));
        host.callEvent(event);
        if (event.isCancelled()) {
            return null;
        }
        Instrument played = event.getInstrument();
        Note pitch = event.getNote();
        return new int[] {played != null ? played.getType() : instrument, pitch != null ? pitch.getId() : note};
    }
}
