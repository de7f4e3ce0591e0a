package net.cubeworks.world.game.api;

import org.bukkit.block.BlockFace;
import org.bukkit.event.block.Action;
import org.bukkit.event.block.BlockBreakEvent;
import org.bukkit.event.block.BlockPlaceEvent;
import org.bukkit.event.block.SignChangeEvent;
import org.bukkit.event.player.PlayerInteractEvent;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.block.BlockEntities;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.interaction.BlockAsks;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;

/**
 * The plugins' say in what players do to blocks: clicks, breaking, placing. What a cancelled
 * event refuses is undone for the one player whose client did it ahead of the server; the
 * others are never shown it.
 */
public final class BlockEvents implements BlockAsks {
    /** The game's face numbers of Player Digging and Block Placement, 0 to 5. */
    private static final BlockFace[] FACES = {BlockFace.DOWN, BlockFace.UP, BlockFace.NORTH, BlockFace.SOUTH,
            BlockFace.WEST, BlockFace.EAST};

    private final GameHost host;
    private final WorldBlocks blocks;
    private final ApiWorld api;
    /** The signs' text, kept by the world's block entities. */
    private final BlockEntities blockEntities;

    public BlockEvents(GameHost host, WorldBlocks blocks, ApiWorld api, BlockEntities blockEntities) {
        this.host = host;
        this.blocks = blocks;
        this.api = api;
        this.blockEntities = blockEntities;
    }

    static BlockFace face(int face) {
        return face >= 0 && face < FACES.length ? FACES[face] : BlockFace.SELF;
    }

    private ItemStack held(OnlinePlayer p) {
        int slot = p.handSlot();
        int id = p.inventory().item(slot);
        return id <= 0 ? null : new ItemStack(id, p.inventory().count(slot), (short) p.inventory().data(slot));
    }

    private void showReal(OnlinePlayer p, int x, int y, int z) {
        if (y >= 0 && y <= 255 && p.known.contains(ColumnKey.of(x >> 4, z >> 4))) {
            p.connection().send(PlayPackets.blockChange(x, y, z, blocks.blockAt(x, y, z), blocks.metaAt(x, y, z)));
        }
    }

    /** A left click on a block as digging starts; false (the block shown again) when a plugin cancelled it. */
    public boolean leftClick(OnlinePlayer p, int x, int y, int z, int face) {
        if (PlayerInteractEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        PlayerInteractEvent event = new PlayerInteractEvent(p, Action.LEFT_CLICK_BLOCK, held(p),
                api.getBlockAt(x, y, z), face(face));
        host.callEvent(event);
        if (event.useInteractedBlock() == PlayerInteractEvent.Result.DENY) {
            showReal(p, x, y, z);
            return false;
        }
        return true;
    }

    /**
     * A right click, on a block's face (0 to 5) or in the air (face -1: then only the item's use,
     * eating, is refused). False when a plugin denied the use: nothing is placed or eaten, and
     * the client is sent back the blocks and its slot.
     */
    public boolean rightClick(OnlinePlayer p, int x, int y, int z, int face) {
        if (PlayerInteractEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        boolean air = face < 0 || face > 5;
        PlayerInteractEvent event = new PlayerInteractEvent(p, air ? Action.RIGHT_CLICK_AIR : Action.RIGHT_CLICK_BLOCK,
                held(p), air ? null : api.getBlockAt(x, y, z), air ? BlockFace.SELF : face(face));
        host.callEvent(event);
        if (event.useItemInHand() != PlayerInteractEvent.Result.DENY) {
            return true;
        }
        if (air) {
            p.sendSlot(p.handSlot());
            return false;
        }
        showReal(p, x, y, z);
        BlockFace f = face(face);
        showReal(p, x + f.getModX(), y + f.getModY(), z + f.getModZ());
        p.sendSlot(p.handSlot());
        return false;
    }

    /** Before a block is broken: false (the breaker shown the block again) when a plugin cancelled it. */
    public boolean mayBreak(OnlinePlayer p, int x, int y, int z) {
        if (BlockBreakEvent.getHandlerList().getRegisteredListeners().length == 0) {
            return true;
        }
        BlockBreakEvent event = new BlockBreakEvent(api.getBlockAt(x, y, z), p);
        host.callEvent(event);
        if (event.isCancelled()) {
            showReal(p, x, y, z);
            return false;
        }
        return true;
    }

    /**
     * Puts the block in place, asks the plugins, and shows it to everybody; false when a plugin
     * cancelled it, and then the cell is as it was, the placer is sent both blocks and its slot,
     * and nobody else saw anything.
     */
    public boolean place(OnlinePlayer p, int againstX, int againstY, int againstZ, int x, int y, int z, int id, int data) {
        // what the block takes the place of (air, water, grass, a slab made double) comes back when refused
        int was = blocks.blockAt(x, y, z);
        int wasData = blocks.metaAt(x, y, z);
        long k = blocks.setBlockUnseen(x, y, z, id, data);
        if (k == WorldBlocks.NO_COLUMN) {
            return false;
        }
        if (BlockPlaceEvent.getHandlerList().getRegisteredListeners().length > 0) {
            ApiBlock placed = (ApiBlock) api.getBlockAt(x, y, z);
            BlockPlaceEvent event = new BlockPlaceEvent(placed, new ApiBlockState(placed, was, wasData),
                    api.getBlockAt(againstX, againstY, againstZ), held(p), p, true);
            host.callEvent(event);
            if (event.isCancelled() || !event.canBuild()) {
                blocks.setBlockUnseen(x, y, z, was, wasData);
                showReal(p, againstX, againstY, againstZ);
                showReal(p, x, y, z);
                p.sendSlot(p.handSlot());
                return false;
            }
        }
        blocks.showBlock(x, y, z, k, null);
        blocks.blockChanged(x, y, z, was);
        return true;
    }

    /** The game's standing and wall sign blocks. */
    private static final int STANDING_SIGN = 63;
    private static final int WALL_SIGN = 68;

    /**
     * Update Sign: the text the player who placed the sign wrote on it, within reach, after the
     * sign event; kept with the sign's column and shown to everybody who has it. A line the game
     * would not let a client write (a colour code, a control character) is "!?", as in the game.
     */
    public void signText(OnlinePlayer p, PlayReads.SignText s) {
        if (p.dead || s.y < 0 || s.y > 255 || !p.known.contains(ColumnKey.of(s.x >> 4, s.z >> 4))) {
            return;
        }
        int id = blocks.blockAt(s.x, s.y, s.z);
        double dx = p.x - (s.x + 0.5);
        double dy = p.y - (s.y + 0.5);
        double dz = p.z - (s.z + 0.5);
        if (id != STANDING_SIGN && id != WALL_SIGN || dx * dx + dy * dy + dz * dz > 64
                || !blockEntities.mayWrite(p, s.x, s.y, s.z)) {
            return;
        }
        String[] lines = s.lines.clone();
        for (int i = 0; i < 4; i++) {
            lines[i] = BlockEntity.Sign.writable(lines[i]) ? lines[i] : "!?";
        }
        if (SignChangeEvent.getHandlerList().getRegisteredListeners().length > 0) {
            SignChangeEvent event = new SignChangeEvent(api.getBlockAt(s.x, s.y, s.z), p, lines);
            host.callEvent(event);
            if (event.isCancelled()) {
                return;
            }
            for (int i = 0; i < 4; i++) {
                String line = event.getLine(i);
                lines[i] = line == null ? "" : line.length() > PlayReads.SIGN_LINE
                        ? line.substring(0, PlayReads.SIGN_LINE) : line;
            }
        }
        blockEntities.setSignText(s.x, s.y, s.z, lines);
    }
}
