<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FileDialogEx</name>
    <message>
        <source>USB Disks</source>
        <translation>U盘</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>MutiSelect</source>
        <translation>多选</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>File Type:</source>
        <translation>文件类型：</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>LiveCaptureFrame</name>
    <message>
        <source>CaptureTitle</source>
        <translation>实时采集</translation>
    </message>
    <message>
        <source>CaputurePicturePreview</source>
        <translation>采集画面预览</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>分辨率</translation>
    </message>
    <message>
        <source>Save Location</source>
        <translation>保存位置</translation>
    </message>
    <message>
        <source>BKG</source>
        <translation>BKG</translation>
    </message>
    <message>
        <source>OSD</source>
        <translation>OSD</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>采集</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>MaterailCutWidget</name>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>MaterailScaleWidget</name>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>UserKeyAttribute</name>
    <message>
        <source>input resources</source>
        <translation>输入源</translation>
    </message>
    <message>
        <source>filp</source>
        <translation>翻转</translation>
    </message>
    <message>
        <source>mask</source>
        <translation>遮罩</translation>
    </message>
    <message>
        <source>position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>input resources in</source>
        <translation>输入截取</translation>
    </message>
    <message>
        <source>layer</source>
        <translation>图层</translation>
    </message>
    <message>
        <source>border</source>
        <translation>边框</translation>
    </message>
    <message>
        <source>size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>cut&amp;&amp;fill</source>
        <translation>抠像&amp;&amp;填充</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>框架</translation>
    </message>
    <message>
        <source> Select All</source>
        <translation> 全选</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>color title</source>
        <translation>颜色</translation>
    </message>
</context>
<context>
    <name>UserKeyContainerFrame</name>
    <message>
        <source>Frame</source>
        <translation>框架</translation>
    </message>
    <message>
        <source>parameter configuration</source>
        <translation>参数配置</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::DMTEditFrame</name>
    <message>
        <source>Existing Template</source>
        <translation>现有模板</translation>
    </message>
    <message>
        <source>Custom Template</source>
        <translation>自定义模板</translation>
    </message>
    <message>
        <source>Choose EDID templates file</source>
        <translation>选择 EDID 模板文件</translation>
    </message>
    <message>
        <source>EDID files (%1)</source>
        <translation>EDID 文件 (%1)</translation>
    </message>
    <message>
        <source>Horizontal </source>
        <translation>水平 </translation>
    </message>
    <message>
        <source>Vertical </source>
        <translation>垂直 </translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>刷新率</translation>
    </message>
    <message>
        <source>Timing Details</source>
        <translation>时序详情</translation>
    </message>
    <message>
        <source>The file has %1 bytes; an EDID template has %2.</source>
        <translation>该文件有 %1 字节；EDID 模板应为 %2 字节。</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Failed to read EDID file!
%1
%2</source>
        <translation>读取 EDID 文件失败！
%1
%2</translation>
    </message>
    <message>
        <source>No file to write the EDID to.</source>
        <translation>没有可写入 EDID 的文件。</translation>
    </message>
    <message>
        <source>%1 is not a 256-byte EDID template.</source>
        <translation>%1 不是 256 字节的 EDID 模板。</translation>
    </message>
    <message>
        <source>The EDID file could not be written.</source>
        <translation>无法写入 EDID 文件。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::EdidDMTSchemaDisplayWidget</name>
    <message>
        <source>Hor Sync Time</source>
        <translation>行同步时间</translation>
    </message>
    <message>
        <source>H Back Porch</source>
        <translation>行后肩</translation>
    </message>
    <message>
        <source>Hor Active Video</source>
        <translation>行有效视频</translation>
    </message>
    <message>
        <source>H Front Porch</source>
        <translation>行前肩</translation>
    </message>
    <message>
        <source>Ver Sync Time</source>
        <translation>场同步时间</translation>
    </message>
    <message>
        <source>V Back Porch</source>
        <translation>场后肩</translation>
    </message>
    <message>
        <source>Ver Acive Video</source>
        <translation>场有效视频</translation>
    </message>
    <message>
        <source>V Front Porch</source>
        <translation>场前肩</translation>
    </message>
    <message>
        <source>Active Video</source>
        <translation>有效视频</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::EdidImportExport</name>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>No USB flash disk detected</source>
        <translation>未检测到U盘</translation>
    </message>
    <message>
        <source>Select EDID File</source>
        <translation>选择EDID文件</translation>
    </message>
    <message>
        <source>Edid File [%1] already exist. Please change file name and try again</source>
        <translation>EDID文件[%1]已存在，请更改文件名后重试</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::EdidSupplement</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>FreshRate</source>
        <translation>刷新率</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Level A</source>
        <translation>Level A</translation>
    </message>
    <message>
        <source>Level B</source>
        <translation>Level B</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::EdidSupplementAdvanced</name>
    <message>
        <source>Horizontal total width</source>
        <translation>水平总像素</translation>
    </message>
    <message>
        <source>Horizontal Addr Time</source>
        <translation>水平有效像素</translation>
    </message>
    <message>
        <source>Horizontal front shoulder</source>
        <translation>水平前肩</translation>
    </message>
    <message>
        <source>Horizontal synchronization</source>
        <translation>水平同步</translation>
    </message>
    <message>
        <source>Vertical total width</source>
        <translation>垂直总行数</translation>
    </message>
    <message>
        <source>Vertical Addr Time</source>
        <translation>垂直有效行数</translation>
    </message>
    <message>
        <source>Vertical front shoulder</source>
        <translation>垂直前肩</translation>
    </message>
    <message>
        <source>Vertical sync</source>
        <translation>垂直同步</translation>
    </message>
    <message>
        <source>Horizontal polarity</source>
        <translation>水平极性</translation>
    </message>
    <message>
        <source>Vertical polarity</source>
        <translation>垂直极性</translation>
    </message>
    <message>
        <source>Refresh rate</source>
        <translation>刷新率</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::FileDialogEx</name>
    <message>
        <source>%1
This location is outside the USB flash disk.
Please choose a location on the disk.</source>
        <translation>%1
此位置不在U盘上。
请选择U盘上的位置。</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
找不到文件。
请确认文件名是否正确。</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
找不到目录。
请确认目录名是否正确。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::FileDialogExRightListModel</name>
    <message>
        <source>Go to parent</source>
        <translation>返回上一级</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::FlowContainerFrame</name>
    <message>
        <source>%1/%2 page</source>
        <translation>第%1/%2页</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::GalleryContentButton</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>In use</source>
        <translation>使用中</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::GalleryFlowContainerFrame</name>
    <message>
        <source>Used %1MB</source>
        <translation>已用%1MB</translation>
    </message>
    <message>
        <source>/%1MB</source>
        <translation>/%1MB</translation>
    </message>
    <message>
        <source>Used %1</source>
        <translation>已用%1</translation>
    </message>
    <message>
        <source>/%1 count</source>
        <translation>/%1张</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>the modify name [%1] is existed,please reset</source>
        <translation>名称[%1]已存在，请重新设置</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>全部删除</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::GalleryMaterailController</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Do you want to delete all pictures?</source>
        <translation>确定要删除所有图片吗？</translation>
    </message>
    <message>
        <source>Add picture</source>
        <translation>添加图片</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.bmp)</source>
        <translation>图片 (*.png *.jpg *.jpeg *.bmp)</translation>
    </message>
    <message>
        <source>Invalid device model.</source>
        <translation>无效的设备模型。</translation>
    </message>
    <message>
        <source>Invalid type.</source>
        <translation>无效的类型。</translation>
    </message>
    <message>
        <source>The file [%1] does not exist.</source>
        <translation>文件[%1]不存在。</translation>
    </message>
    <message>
        <source>The file [%1] is too large to be added as a picture.</source>
        <translation>文件[%1]过大，无法添加为图片。</translation>
    </message>
    <message>
        <source>The file [%1] cannot be read.</source>
        <translation>无法读取文件[%1]。</translation>
    </message>
    <message>
        <source>The file [%1] is not a PNG, JPEG or BMP picture.</source>
        <translation>文件[%1]不是PNG、JPEG或BMP图片。</translation>
    </message>
    <message>
        <source>The file [%1] is damaged or incomplete.</source>
        <translation>文件[%1]已损坏或不完整。</translation>
    </message>
    <message>
        <source>The picture [%1] is %2x%3 pixels, more than the device can take.</source>
        <translation>图片[%1]为%2x%3像素，超出了设备支持的范围。</translation>
    </message>
    <message>
        <source>The library capacity is full, can&apos;t be added yet</source>
        <translation>素材库容量已满，暂时无法添加</translation>
    </message>
    <message>
        <source>The maximum number of pictures has been reached and cannot be added any more.</source>
        <translation>图片数量已达上限，无法继续添加。</translation>
    </message>
    <message>
        <source>There is not enough space left to complete the operation!</source>
        <translation>剩余空间不足，无法完成操作！</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::HDRConfig</name>
    <message>
        <source>Invalid file path!</source>
        <translation>文件路径无效！</translation>
    </message>
    <message>
        <source>Fail to open file [%1]!</source>
        <translation>无法打开文件[%1]！</translation>
    </message>
    <message>
        <source>File [%1] is too large (more than %2 bytes)!</source>
        <translation>文件[%1]过大（超过%2字节）！</translation>
    </message>
    <message>
        <source>File [%1] nests elements deeper than %2 levels!</source>
        <translation>文件[%1]的元素嵌套超过%2层！</translation>
    </message>
    <message>
        <source>File [%1] declares entities, which a configuration file may not use!</source>
        <translation>文件[%1]声明了实体，配置文件中不允许使用实体！</translation>
    </message>
    <message>
        <source>Parse error at line %1, column %2:
%3</source>
        <translation>第%1行第%2列解析错误：
%3</translation>
    </message>
    <message>
        <source>This file is not a valid configuration file.</source>
        <translation>此文件不是有效的配置文件。</translation>
    </message>
    <message>
        <source>This file is not a valid configuration file of version 1.0 .</source>
        <translation>此文件不是有效的1.0版本配置文件。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::HDRWidget</name>
    <message>
        <source>AUTO</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>RGB 4:4:4</source>
        <translation>RGB 4:4:4</translation>
    </message>
    <message>
        <source>YCbCr 4:4:4</source>
        <translation>YCbCr 4:4:4</translation>
    </message>
    <message>
        <source>YCbCr 4:2:2</source>
        <translation>YCbCr 4:2:2</translation>
    </message>
    <message>
        <source>Rec.601</source>
        <translation>Rec.601</translation>
    </message>
    <message>
        <source>Rec.709</source>
        <translation>Rec.709</translation>
    </message>
    <message>
        <source>DCI-P3</source>
        <translation>DCI-P3</translation>
    </message>
    <message>
        <source>Rec.2020</source>
        <translation>Rec.2020</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>aRGB</source>
        <translation>aRGB</translation>
    </message>
    <message>
        <source>SDR</source>
        <translation>SDR</translation>
    </message>
    <message>
        <source>HDR10</source>
        <translation>HDR10</translation>
    </message>
    <message>
        <source>HLG</source>
        <translation>HLG</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>完全</translation>
    </message>
    <message>
        <source>Limited</source>
        <translation>有限</translation>
    </message>
    <message>
        <source>bit</source>
        <translation>bit</translation>
    </message>
    <message>
        <source>Limited Range</source>
        <translation>量化范围</translation>
    </message>
    <message>
        <source>Color Space</source>
        <translation>色彩空间</translation>
    </message>
    <message>
        <source>Bit Depth</source>
        <translation>位深</translation>
    </message>
    <message>
        <source>Color Gamut</source>
        <translation>色域</translation>
    </message>
    <message>
        <source>Dynamic Range</source>
        <translation>动态范围</translation>
    </message>
    <message>
        <source>Tone Mapping</source>
        <translation>色调映射</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Luminance</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Ambient Light</source>
        <translation>环境光</translation>
    </message>
    <message>
        <source>Gamma</source>
        <translation>Gamma</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::InputDetailContentButton</name>
    <message>
        <source>Capture</source>
        <translation>采集</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::InputListContentButton</name>
    <message>
        <source>No Signal</source>
        <translation>无信号</translation>
    </message>
    <message>
        <source>Bandwidth Exceeded</source>
        <translation>带宽超限</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::InputListWidget</name>
    <message>
        <source>No input sources. Please add input cards on Device page.</source>
        <translation>没有输入源。请在设备页面添加输入卡。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::Internal::FileDialogExPrivate</name>
    <message>
        <source>Directories</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::Internal::UserKeyEditCfg</name>
    <message>
        <source>userKey Datail</source>
        <translation>用户键详情</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::LayerBaseListContentButton</name>
    <message>
        <source>Cut-</source>
        <translation>抠像-</translation>
    </message>
    <message>
        <source>Fill-</source>
        <translation>填充-</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::LiveCaptureDialog</name>
    <message>
        <source>Capture</source>
        <translation>采集</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::LiveCaptureFrame</name>
    <message>
        <source>The device is no longer available.</source>
        <translation>设备已不可用。</translation>
    </message>
    <message>
        <source>Capturing...</source>
        <translation>正在采集...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>the modify name [%1] is existed,please reset</source>
        <translation>名称[%1]已存在，请重新设置</translation>
    </message>
    <message>
        <source>Invalid device model.</source>
        <translation>无效的设备模型。</translation>
    </message>
    <message>
        <source>Invalid input model.</source>
        <translation>无效的输入模型。</translation>
    </message>
    <message>
        <source>Invalid screen model.</source>
        <translation>无效的屏幕模型。</translation>
    </message>
    <message>
        <source>Invalid type.</source>
        <translation>无效的类型。</translation>
    </message>
    <message>
        <source>The library capacity is full, can&apos;t be added yet</source>
        <translation>素材库容量已满，暂时无法添加</translation>
    </message>
    <message>
        <source>The maximum number of pictures has been reached and cannot be added any more.</source>
        <translation>图片数量已达上限，无法继续添加。</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The picture you added exceeds the BKG width-height limit.</source>
        <translation>添加的图片超出了BKG的宽高限制。</translation>
    </message>
    <message>
        <source>There is not enough space left to complete the operation!</source>
        <translation>剩余空间不足，无法完成操作！</translation>
    </message>
    <message>
        <source>Capture a picture before saving it.</source>
        <translation>请先采集图片再保存。</translation>
    </message>
    <message>
        <source>Please enter a name for the picture.</source>
        <translation>请输入图片名称。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::MaterailCutDialog</name>
    <message>
        <source>Clipping pictures</source>
        <translation>裁剪图片</translation>
    </message>
    <message>
        <source>Maximum support resolution:%1*%2,current resolution:%3*%4.</source>
        <translation>最大支持分辨率：%1*%2，当前分辨率：%3*%4。</translation>
    </message>
    <message>
        <source>Picture beyond maximum limit.</source>
        <translation>图片超出最大限制。</translation>
    </message>
    <message>
        <source>Cutting</source>
        <translation>裁剪</translation>
    </message>
    <message>
        <source>Auto scaling</source>
        <translation>自动缩放</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取文件。</translation>
    </message>
    <message>
        <source>The picture is too large to be opened.</source>
        <translation>图片过大，无法打开。</translation>
    </message>
    <message>
        <source>The file is not a picture.</source>
        <translation>该文件不是图片。</translation>
    </message>
    <message>
        <source>The picture is damaged or incomplete.</source>
        <translation>图片已损坏或不完整。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::OutputListWidget</name>
    <message>
        <source>No outputs. Please go to Device add an output card first.</source>
        <translation>没有输出。请先到设备页面添加输出卡。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::PolarityWidget</name>
    <message>
        <source>Total</source>
        <translation>总数</translation>
    </message>
    <message>
        <source>Front Proch</source>
        <translation>前肩</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>有效</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>极性</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::PresetResolutionDialog</name>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::PresupposeDialolg</name>
    <message>
        <source>please select standard resolution</source>
        <translation>请选择标准分辨率</translation>
    </message>
    <message>
        <source>please select standard frequence</source>
        <translation>请选择标准刷新率</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Please select the complete standard data</source>
        <translation>请选择完整的标准参数</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::ProgressBarCtr</name>
    <message>
        <source>Failure</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Succeed</source>
        <translation>成功</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::ResolutionWidget</name>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Refresh Rate</source>
        <translation>刷新率</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::ScreenDetailVListWidget</name>
    <message>
        <source>No PVW and PGM available. Please add them on Screen page.</source>
        <translation>没有可用的预监和主监。请在屏幕页面添加。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::ScreenHeaderListWidget</name>
    <message>
        <source>Reset Layout</source>
        <translation>重置布局</translation>
    </message>
    <message>
        <source>MultiSelect</source>
        <translation>多选</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::ScreenListContentButton</name>
    <message>
        <source>N/A</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Mosaic Area:%1*%2</source>
        <translation>拼接区域:%1*%2</translation>
    </message>
    <message>
        <source>%1 Layers</source>
        <translation>%1 个图层</translation>
    </message>
    <message>
        <source>%1 Ouputs</source>
        <translation>%1 个输出</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::SupplememtColorWidget</name>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::SupplememtInterceptWidget</name>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Take the whole picture</source>
        <translation>截取整个画面</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Keep Height equal to Width</source>
        <translation>保持高度与宽度相等</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::TakeOverPanelWidget</name>
    <message>
        <source>The current device is already under control. If you want to operate, please click take over now.</source>
        <translation>当前设备已被控制。如需操作，请点击接管。</translation>
    </message>
    <message>
        <source>Take over</source>
        <translation>接管</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>The device is busy. Please try again later.</source>
        <translation>设备忙，请稍后重试。</translation>
    </message>
    <message>
        <source>localIp</source>
        <translation>本机</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::TestPattern</name>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Vertical Bar</source>
        <translation>竖彩条</translation>
    </message>
    <message>
        <source>Horizontal Bar</source>
        <translation>横彩条</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>棋盘格</translation>
    </message>
    <message>
        <source>Horizontal Red Gradient</source>
        <translation>水平红色渐变</translation>
    </message>
    <message>
        <source>Horizontal Green Gradient</source>
        <translation>水平绿色渐变</translation>
    </message>
    <message>
        <source>Horizontal Blue Gradient</source>
        <translation>水平蓝色渐变</translation>
    </message>
    <message>
        <source>Horizontal White Gradient</source>
        <translation>水平白色渐变</translation>
    </message>
    <message>
        <source>Vertical Red Gradient</source>
        <translation>垂直红色渐变</translation>
    </message>
    <message>
        <source>Vertical Green Gradient</source>
        <translation>垂直绿色渐变</translation>
    </message>
    <message>
        <source>Vertical Blue Gradient</source>
        <translation>垂直蓝色渐变</translation>
    </message>
    <message>
        <source>Vertical White Gradient</source>
        <translation>垂直白色渐变</translation>
    </message>
    <message>
        <source>White Horizontal Line</source>
        <translation>白色水平线</translation>
    </message>
    <message>
        <source>White Vertical Line</source>
        <translation>白色垂直线</translation>
    </message>
    <message>
        <source>White Left Oblique Line</source>
        <translation>白色左斜线</translation>
    </message>
    <message>
        <source>White Right Oblique Line</source>
        <translation>白色右斜线</translation>
    </message>
    <message>
        <source>Cross Line</source>
        <translation>十字线</translation>
    </message>
    <message>
        <source>Diagonal Crossing</source>
        <translation>对角交叉线</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>定位</translation>
    </message>
    <message>
        <source>Custom Image</source>
        <translation>自定义图片</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::TestPictureFrames</name>
    <message>
        <source>GridLevel</source>
        <translation>网格级别</translation>
    </message>
    <message>
        <source>GridSpacing</source>
        <translation>网格间距</translation>
    </message>
    <message>
        <source>GridLineWidth</source>
        <translation>网格线宽</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::UserKeyContainerFrame</name>
    <message>
        <source>save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Remind</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The user key name [%1] already exists. Please retry.</source>
        <translation>用户键名称[%1]已存在，请重试。</translation>
    </message>
    <message>
        <source>User key will not take effect on the cut layer.</source>
        <translation>用户键对抠像图层不生效。</translation>
    </message>
    <message>
        <source>Failed to apply the user key.</source>
        <translation>应用用户键失败。</translation>
    </message>
    <message>
        <source>Do you want to delete user key?</source>
        <translation>确定要删除用户键吗？</translation>
    </message>
    <message>
        <source>Failed to delete the user key. The other user keys were kept.</source>
        <translation>删除用户键失败，其他用户键已保留。</translation>
    </message>
    <message>
        <source>Do you want to delete all user keys?</source>
        <translation>确定要删除所有用户键吗？</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::UserKeyListWidget</name>
    <message>
        <source>Remind</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>The user key name [%1] already exists. Please retry.</source>
        <translation>用户键名称[%1]已存在，请重试。</translation>
    </message>
    <message>
        <source>Failed to modify the user key. The user keys were kept.</source>
        <translation>修改用户键失败，原有用户键已保留。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::WaitingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>userKeyModifyDialog</name>
    <message>
        <source>Form</source>
        <translation>表单</translation>
    </message>
    <message>
        <source>  parameter</source>
        <translation>  参数</translation>
    </message>
    <message>
        <source>  attribute</source>
        <translation>  属性</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Label Color</source>
        <translation>标签颜色</translation>
    </message>
    <message>
        <source>sort</source>
        <translation>排序</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
</context>
</TS>
