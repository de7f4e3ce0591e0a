package net.cubeworks.world.game;

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

import net.cubeworks.world.game.api.ApiChanges;
import net.cubeworks.world.game.api.ApiScoreboard;
import net.cubeworks.world.game.block.BlockRules;
import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.EntityWorld;
import net.cubeworks.world.game.entity.ItemEntity;
import net.cubeworks.world.game.player.Beds;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerGame;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.settings.AccessLists;
import net.cubeworks.world.game.window.Windows;
import net.cubeworks.world.game.api.ApiPlayerInventory;
import net.cubeworks.world.game.api.ApiInventories;

/** The game as its players see it: each member hands the player to the part of the game that acts. */
final class PlayerLink implements PlayerGame {
    private final Game game;

    PlayerLink(Game game) {
        this.game = game;
    }

    private GameWorld world() {
        return game.world();
    }

    public Object lock() { return game.lock(); }
    public GameHost host() { return game.host(); }
    public Logger logger() { return game.logger(); }
    public <T> T change(Callable<T> work) { return ApiChanges.call(game.lock(), game.thread(), work); }

    public Entities entities() { return game.entities(); }
    public EntityWorld blocks() { return world().blocks(); }
    public org.bukkit.World api() { return world().api(); }
    public LevelState level() { return world().level(); }
    public long currentTick() { return world().currentTick(); }
    public List<OnlinePlayer> players() { return game.players().inJoinOrder(); }
    public AccessLists access() { return game.access(); }
    public MetadataStore<OnlinePlayer> metadata() { return game.metadata().players; }
    public boolean solid(int blockId) { return BlockRules.solid(blockId); }

    public void kick(OnlinePlayer p, String message) { game.players().kick(p, message); }
    public void setGameMode(OnlinePlayer p, GameMode mode) { game.players().setGameMode(p, mode); }
    public void setOp(String name, boolean value) { game.players().setOp(name, value); }
    public void setBanned(String name, boolean banned) { game.players().setBanned(name, banned, null, "Plugin"); }
    public void chat(OnlinePlayer p, String message) { game.chat().chat(p, message); }
    public void damage(OnlinePlayer p, float amount, String deathMessage) { world().survival().damage(p, amount, deathMessage); }
    public boolean teleport(OnlinePlayer p, Location to, TeleportCause cause) { return world().movement().teleport(p, to, cause); }
    public void toViewers(OnlinePlayer p, PacketOut packet) { world().visibility().toViewers(p, packet); }

    public ItemEntity fallAtFeet(OnlinePlayer p, int item, int count, int data) {
        return world().items().fallAtFeet(p, p.getName(), item, count, data, null);
    }

    public <T extends Projectile> T launch(OnlinePlayer p, Class<? extends T> kind, Vector velocity) {
        return world().mobs().launch(p, kind, velocity);
    }

    public boolean addEffect(OnlinePlayer p, PotionEffect effect, boolean force) { return world().effects().add(p, effect, force); }
    public void removeEffect(OnlinePlayer p, PotionEffectType type) { world().effects().remove(p, type); }

    public void setBedSpawn(OnlinePlayer p, Location at, boolean force) { Beds.setSpawn(p, at, force); }
    public int[] bedSpawn(OnlinePlayer p) { return world().beds().spawnPlace(p); }
    public void showLying(OnlinePlayer p, List<PacketOut> out) { Beds.showLying(p, out); }
    public void useBed(OnlinePlayer p, int x, int y, int z) { world().beds().use(p, x, y, z); }

    public void openCraftingTable(OnlinePlayer p, int x, int y, int z) { world().windows().openTable(p, x, y, z); }
    public void openContainer(OnlinePlayer p, int x, int y, int z) { world().blockWindows().open(p, x, y, z); }

    public InventoryView openWorkbench(OnlinePlayer p, int x, int y, int z, boolean anywhere) {
        Windows windows = world().windows();
        return windows.openWorkbench(p, x, y, z, anywhere) ? windows.view(p) : null;
    }

    public InventoryView openInventory(OnlinePlayer p, Inventory inventory) {
        return ApiInventories.open(world().windows(), game.players(), game.logger(), p, inventory);
    }
    public InventoryView view(OnlinePlayer p) { return world().windows().view(p); }
    public void closeWindow(OnlinePlayer p) { world().windows().close(p, true); }
    public Inventory enderChest(OnlinePlayer p) { return world().blockWindows().enderInventory(p); }
    public org.bukkit.inventory.PlayerInventory inventoryFace(OnlinePlayer p) { return new ApiPlayerInventory(game.lock(), game.thread(), p); }

    public Scoreboard mainScoreboard() { return game.scoreboards().getMainScoreboard(); }
    public boolean madeHere(Scoreboard board) { return game.scoreboards().madeHere(board); }

    public void showScoreboard(OnlinePlayer p, Scoreboard old, Scoreboard board) {
        for (PacketOut packet : ((ApiScoreboard) old).removal()) {
            p.connection().send(packet);
        }
        for (PacketOut packet : ((ApiScoreboard) board).wholeBoard()) {
            p.connection().send(packet);
        }
    }
}
