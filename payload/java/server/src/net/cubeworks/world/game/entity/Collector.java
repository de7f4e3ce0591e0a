package net.cubeworks.world.game.entity;

import java.util.List;

import org.bukkit.entity.Player;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.protocol.PacketOut;

/** A player as the world's items see him: where he is, his inventory, his client. */
public interface Collector {
    /** His place: x, z the middle of his feet, y their height. */
    WorldEntity body();

    Player player();

    PlayerInventory inventory();

    /** False while he cannot pick anything up (dead, gone). */
    boolean mayCollect();

    void send(PacketOut packet);

    /** Tells his client the slots that changed. */
    void slotsChanged(List<Integer> slots);
}
