package net.cubeworks.world.game.player;

import java.util.List;
import java.util.concurrent.Callable;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.Location;
import org.bukkit.entity.Projectile;
import org.bukkit.event.player.PlayerTeleportEvent.TeleportCause;
import org.bukkit.inventory.Inventory;
import org.bukkit.inventory.InventoryView;
import org.bukkit.metadata.MetadataStore;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.bukkit.scoreboard.Scoreboard;
import org.bukkit.util.Vector;

import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.EntityWorld;
import net.cubeworks.world.game.entity.ItemEntity;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.settings.AccessLists;

/**
 * What a player needs of the game around him: the world he stands in and its lock, the other
 * players, and the rules that act on him from above this package (damage and death, teleports,
 * windows, beds, status effects, what he throws and launches, the scoreboards). The game answers
 * it; the player never reaches for the game's parts himself.
 */
public interface PlayerGame {
    Object lock();

    GameHost host();

    Logger logger();

    /** Runs a plugin's change on the game thread and waits for it; at once under the world lock. */
    <T> T change(Callable<T> work);

    // --- the world and the others in it ---

    Entities entities();

    /** The world's blocks as the rules see them. */
    EntityWorld blocks();

    org.bukkit.World api();

    LevelState level();

    long currentTick();

    /** The players online, in the order they joined. */
    List<OnlinePlayer> players();

    AccessLists access();

    /** The metadata plugins put on players, kept by name for the session. */
    MetadataStore<OnlinePlayer> metadata();

    /** Whether the block stops a line of sight (a solid one). */
    boolean solid(int blockId);

    // --- what the game does to a player ---

    void kick(OnlinePlayer p, String message);

    void setGameMode(OnlinePlayer p, GameMode mode);

    void setOp(String name, boolean value);

    void setBanned(String name, boolean banned);

    void chat(OnlinePlayer p, String message);

    /** Hurts the player by the game's rules, dying with the message when it is his last. */
    void damage(OnlinePlayer p, float amount, String deathMessage);

    boolean teleport(OnlinePlayer p, Location to, TeleportCause cause);

    /** Sends the packet to the players who see him. */
    void toViewers(OnlinePlayer p, PacketOut packet);

    /** Puts a stack at his feet, for him alone to pick up at first. */
    ItemEntity fallAtFeet(OnlinePlayer p, int item, int count, int data);

    /** Launches a projectile of the kind from him; null for a kind the game does not simulate. */
    <T extends Projectile> T launch(OnlinePlayer p, Class<? extends T> kind, Vector velocity);

    boolean addEffect(OnlinePlayer p, PotionEffect effect, boolean force);

    void removeEffect(OnlinePlayer p, PotionEffectType type);

    // --- beds ---

    void setBedSpawn(OnlinePlayer p, Location at, boolean force);

    /** Where he would come back beside his bed, {x, y, z}; null when he has none or it is gone. */
    int[] bedSpawn(OnlinePlayer p);

    /** The packets that show him lying in his bed to a player who begins to see him. */
    void showLying(OnlinePlayer p, List<PacketOut> out);

    void useBed(OnlinePlayer p, int x, int y, int z);

    // --- windows and the plugin API's inventories ---

    void openCraftingTable(OnlinePlayer p, int x, int y, int z);

    void openContainer(OnlinePlayer p, int x, int y, int z);

    /** A crafting table's window at the place (anywhere: one that needs no table); its view, or null. */
    InventoryView openWorkbench(OnlinePlayer p, int x, int y, int z, boolean anywhere);

    /** A plugin's inventory opened as a window; its view, or null when it cannot be shown. */
    InventoryView openInventory(OnlinePlayer p, Inventory inventory);

    InventoryView view(OnlinePlayer p);

    /** Closes the window he has open, handing its grid and cursor back. */
    void closeWindow(OnlinePlayer p);

    Inventory enderChest(OnlinePlayer p);

    org.bukkit.inventory.PlayerInventory inventoryFace(OnlinePlayer p);

    // --- scoreboards ---

    Scoreboard mainScoreboard();

    boolean madeHere(Scoreboard board);

    /** Shows him the board in place of the old one. */
    void showScoreboard(OnlinePlayer p, Scoreboard old, Scoreboard board);
}
