package net.cubeworks.world.game.player;

import net.cubeworks.world.game.player.Delivery;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.world.Weather;
import net.cubeworks.world.protocol.PacketOut;

/** Tells every player of the world's rain and thunder, but those a plugin gave weather of their own. */
public final class WeatherBroadcast implements Weather.Broadcast {
    private final Players players;
    private final Delivery delivery;

    public WeatherBroadcast(Players players, Delivery delivery) {
        this.players = players;
        this.delivery = delivery;
    }

    public void toAll(PacketOut packet) {
        byte[] frame = packet.frame();
        for (OnlinePlayer p : players.inJoinOrder()) {
            if (p.getPlayerWeather() == null) { // a player with weather of his own keeps it
                delivery.out(p, frame);
            }
        }
    }
}
