package net.cubeworks.world.game;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.util.ArrayList;
import java.util.List;

import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PlayReads;

/** Test fixtures for windows: a Click Window as a client sends it, and the packets of one id among those sent. */
final class WindowClicksFromClient {
    private WindowClicksFromClient() {
    }

    /** Click Window: the slot clicked with the button in the mode, and the item the client thinks it took (id 0: none). */
    static PlayReads.Click click(int window, int slot, int button, int mode, int action, int id, int count)
            throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeByte(window);
        o.writeShort(slot);
        o.writeByte(button);
        o.writeShort(action);
        o.writeByte(mode);
        o.writeShort(id <= 0 ? -1 : id);
        if (id > 0) {
            o.writeByte(count);
            o.writeShort(0);
            o.writeShort(-1);
        }
        return PlayReads.clickWindow(new PacketIn(b.toByteArray()));
    }

    /** The packets of the id, in the order they were sent. */
    static List<int[]> withId(List<int[]> packets, int id) {
        List<int[]> out = new ArrayList<int[]>();
        for (int[] f : packets) {
            if (f[0] == id) {
                out.add(f);
            }
        }
        return out;
    }
}
