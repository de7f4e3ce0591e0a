package net.cubeworks.world.game;

import java.util.function.Consumer;

import net.cubeworks.world.game.api.BlockEvents;
import net.cubeworks.world.game.interaction.Hands;
import net.cubeworks.world.game.interaction.Interaction;
import net.cubeworks.world.game.player.ChatHandler;
import net.cubeworks.world.game.player.Movement;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Respawning;
import net.cubeworks.world.game.window.Windows;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.game.api.BlockEvents;

/**
 * What a player's client may ask of the game, one member for each packet the game acts on, each
 * handed to the part whose job it is. The connection side reads the packets and calls these on
 * the game thread; it knows no part of the game besides. Members that only hand a call on are
 * written on one line each.
 */
public final class ClientActions {
    private final Movement movement;
    private final Interaction interaction;
    private final Hands hands;
    private final Windows windows;
    private final Consumer<OnlinePlayer> leaveBed;
    private final ChatHandler chat;
    private final BlockEvents signs;
    private final Respawning respawning;

    ClientActions(Movement movement, Interaction interaction, Hands hands, Windows windows,
            Consumer<OnlinePlayer> leaveBed, ChatHandler chat, BlockEvents signs, Respawning respawning) {
        this.movement = movement;
        this.interaction = interaction;
        this.hands = hands;
        this.windows = windows;
        this.leaveBed = leaveBed;
        this.chat = chat;
        this.signs = signs;
        this.respawning = respawning;
    }

    public void move(OnlinePlayer p, PlayReads.Movement m) { movement.move(p, m); }
    public void stance(OnlinePlayer p, int action) { movement.stance(p, action); }
    public void abilities(OnlinePlayer p, int flags) { movement.abilities(p, flags); }
    public void dig(OnlinePlayer p, PlayReads.BlockAction a) { interaction.dig(p, a); }
    public void place(OnlinePlayer p, PlayReads.BlockAction a) { interaction.place(p, a); }
    public void holdSlot(OnlinePlayer p, int slot) { hands.holdSlot(p, slot); }
    public void swing(OnlinePlayer p, int animation) { hands.swing(p, animation); }
    public void useEntity(OnlinePlayer p, PlayReads.UseEntity u) { hands.useEntity(p, u); }
    public void creativeSet(OnlinePlayer p, PlayReads.CreativeSlot c) { hands.creativeSet(p, c); }
    public void click(OnlinePlayer p, PlayReads.Click c) { windows.click(p, c); }
    public void confirm(OnlinePlayer p, PlayReads.Confirm c) { windows.confirm(p, c); }
    public void closedByClient(OnlinePlayer p, int window) { windows.closedByClient(p, window); }
    public void leaveBed(OnlinePlayer p) { leaveBed.accept(p); }
    public void tabComplete(OnlinePlayer p, String text) { chat.tabComplete(p, text); }
    public void signText(OnlinePlayer p, PlayReads.SignText s) { signs.signText(p, s); }
    public void respawn(OnlinePlayer p) { respawning.respawn(p); }
}
