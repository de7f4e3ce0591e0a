package net.cubeworks.world.game.player;

import java.util.ArrayList;
import java.util.List;

import net.cubeworks.world.protocol.PacketOut;

/**
 * Sends packets to players. During the world's tick what goes to each client is gathered
 * and handed to its writer as one piece at the tick's end, after the lock is let go: one
 * hand-over to each writer a tick instead of one a packet.
 */
public final class Delivery {
    private boolean inTick;

    public void out(OnlinePlayer to, byte[] frame) {
        if (inTick) {
            to.outbox.write(frame, 0, frame.length);
        } else {
            to.connection().sendFrame(frame);
        }
    }

    public void out(OnlinePlayer to, PacketOut packet) {
        out(to, packet.frame());
    }

    public void beginTick() {
        inTick = true;
    }

    /** Ends the gathering; returns {player, bytes} for each client that has something. */
    public List<Object[]> endTick(List<OnlinePlayer> players) {
        inTick = false;
        List<Object[]> out = new ArrayList<Object[]>();
        for (OnlinePlayer p : players) {
            if (p.outbox.size() > 0) {
                out.add(new Object[] {p, p.outbox.toByteArray()});
                p.outbox.reset();
            }
        }
        return out;
    }
}
