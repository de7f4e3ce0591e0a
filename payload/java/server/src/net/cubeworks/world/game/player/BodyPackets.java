package net.cubeworks.world.game.player;

import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/** What a player's own client is told of his body: where he is (eyes and look) and his health and food. */
public final class BodyPackets {
    private BodyPackets() {
    }

    /** Player Position And Look with the eyes' height, as a teleport or a refused move tells it. */
    public static PacketOut position(OnlinePlayer p) {
        return PlayPackets.positionAndLook(p.x, p.y + PlayerBody.EYE_HEIGHT, p.z, p.yaw, p.pitch, false);
    }

    /** Update Health: health, food and saturation. */
    public static PacketOut health(OnlinePlayer p) {
        return PlayPackets.updateHealth(p.health, p.food, p.saturation);
    }
}
