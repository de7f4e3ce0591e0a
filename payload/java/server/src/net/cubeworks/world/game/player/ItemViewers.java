package net.cubeworks.world.game.player;

import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.player.Delivery;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.protocol.PacketOut;

/** Who is shown what the items on the ground do: their viewers, or every player near a place. */
public final class ItemViewers implements GroundItems.Viewers {
    private final Players players;
    private final Visibility visibility;
    private final Delivery delivery;

    public ItemViewers(Players players, Visibility visibility, Delivery delivery) {
        this.players = players;
        this.visibility = visibility;
        this.delivery = delivery;
    }

    public void toViewers(WorldEntity e, PacketOut packet) {
        visibility.toViewers(e, packet);
    }

    public void near(double x, double y, double z, double distance, PacketOut packet) {
        byte[] frame = packet.frame();
        for (OnlinePlayer p : players.inJoinOrder()) {
            double dx = p.x - x;
            double dy = p.y - y;
            double dz = p.z - z;
            if (dx * dx + dy * dy + dz * dz <= distance * distance) {
                delivery.out(p, frame);
            }
        }
    }
}
