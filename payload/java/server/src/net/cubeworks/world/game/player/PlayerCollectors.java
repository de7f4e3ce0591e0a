package net.cubeworks.world.game.player;

import java.util.ArrayList;
import java.util.LinkedHashSet;
import java.util.List;

import net.cubeworks.world.game.entity.Collector;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.ItemTagValues;

/** The players as the items on the ground see them: who may collect, into which inventory. */
public final class PlayerCollectors {
    private PlayerCollectors() {
    }

    public static List<Collector> of(List<OnlinePlayer> players) {
        List<Collector> out = new ArrayList<Collector>(players.size());
        for (OnlinePlayer p : players) {
            out.add(of(p));
        }
        return out;
    }

    /** The player as the items on the ground see him. */
    public static Collector of(final OnlinePlayer p) {
        return new Collector() {
            public WorldEntity body() {
                return p;
            }

            public org.bukkit.entity.Player player() {
                return p;
            }

            public PlayerInventory inventory() {
                return p.inventory();
            }

            public boolean mayCollect() {
                return !p.dead && p.isOnline();
            }

            public void send(PacketOut packet) {
                p.connection().send(packet);
            }

            public void slotsChanged(List<Integer> slots) {
                PlayerInventory inv = p.inventory();
                for (int s : new LinkedHashSet<Integer>(slots)) {
                    if (s == PlayerInventory.CURSOR) {
                        p.connection().send(PlayPackets.setSlot(-1, -1, inv.item(s), inv.count(s), inv.data(s),
                                ItemTagValues.gzipped(inv.tag(s))));
                    } else {
                        p.sendSlot(s);
                    }
                }
                if (slots.contains(p.handSlot())) {
                    p.showHeldItem();
                }
            }
        };
    }
}
